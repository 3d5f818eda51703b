#pragma once
// Connection polylines laid from the ZEP links.
#include "model/NetDef.h"

// Recomputes RouteRequest, ConnPoint, ConnPointCount and ConnCount from the ZEP links.
void RebuildRoutes();

// Lays connection k from the destination end to the source end; true when a point was laid.
bool LayRoute(int k, int port, int kind, TGridPoint destination, TGridPoint source);
