#pragma once
// The six scale steps and the view metrics derived from Scale.

// Recomputes GridStep, BarbSize, FontSize, BoldFont, NumberView, DrawFontName, Pitch,
// ZEPRadius, ArrowReach and ArrowInset from Scale. A Scale outside 1..6 changes nothing.
void ComputeViewMetrics();

// The paint-area size in pixels for the canvas size and Pitch.
int PaintAreaWidth();
int PaintAreaHeight();
