#pragma once
// Where the net's drawing lies on the canvas, in whole grid units, and the scale step at
// which all of it fits a view: for "Fit Net" and for pictures cut to the net.
#include <QSize>
#include <optional>

#include "platform/DrawSurface.h"

// A rectangle of grid units, Left and Top inclusive, Right and Bottom the far edges.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The free grid units kept around the net's drawing on every side.
inline constexpr int FitMargin = 2;

// The grid units that the drawing of every element covers at the current scale, texts
// measured in the surface's fonts, widened by FitMargin on every side; none for a net
// without elements. Records the label boxes, as a paint does.
std::optional<TGridRect> NetExtent(DrawSurface& metrics);

// The largest view, the lowest step 1..6, at which `extent` fits within `viewport`
// pixels; 6 when none does.
int FitScale(const TGridRect& extent, QSize viewport);
