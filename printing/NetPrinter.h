#pragma once
// Draws the net on a printer page: black on white, no background and no grid, the screen's
// geometry converted with the print metrics and shifted by the offsets.
#include "platform/DrawSurface.h"
#include "printing/PrintGeometry.h"

// Sets the font and pen, then draws ZEPs, Inputs, Outputs, connections, Comments and Dots.
void PrintNet(DrawSurface& surface, const PrintMetrics& metrics);
