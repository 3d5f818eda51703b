#pragma once
// The six scale steps and the view metrics derived from Scale.
#include <QString>

// The display face that Start chooses. The canvas draws in it from its first paint, before
// Start has set FontName, so the net looks the same before and after.
inline const QString StartFontName = QStringLiteral("Times New Roman");

// Recomputes GridStep, BarbSize, FontSize, BoldFont, NumberView, DrawFontName, Pitch,
// ZEPRadius, ArrowReach and ArrowInset from Scale. A Scale outside 1..6 changes nothing.
void ComputeViewMetrics();

// The paint-area size in pixels for the canvas size and Pitch.
int PaintAreaWidth();
int PaintAreaHeight();

// The caption of the "Canvas Size" submenu for the current size, e.g. "200*200, change".
QString CanvasSizeCaption();

// Sets the canvas size to hold the Inputs, Outputs and ZEPs ("Adjust size to data"): their
// rightmost and lowest reach, each within 100..1000 and rounded up to a multiple of 50.
void AdjustCanvasSizeToData();
