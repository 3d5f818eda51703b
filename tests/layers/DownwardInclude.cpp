// Built as if it were part of the model: its own folder and the platform below it are seen.
#include "model/NetDef.h"
#include "platform/Errors.h"
