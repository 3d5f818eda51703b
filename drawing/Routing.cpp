#include "drawing/Routing.h"

void RebuildRoutes() {}

bool LayRoute(int, int, int, TGridPoint, TGridPoint) { return false; }
