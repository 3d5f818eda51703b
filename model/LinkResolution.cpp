#include "model/LinkResolution.h"

#include "model/NetDef.h"

void ResolveLinks() {}
