// Built as if it were part of the model: the main window lies above the model, so its
// header is not to be found from here.
#include "app/NetHome.h"
