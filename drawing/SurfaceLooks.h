#pragma once
// A pen and a brush as a drawing surface was asked for them, kept by the surfaces that pass
// them on later or in other colours.
#include "platform/DrawSurface.h"

struct TPenLook {
  Rgb Color;
  int Width = 1;
  PenStyle Style = PenStyle::Solid;
};

struct TBrushLook {
  Rgb Color;
  BrushStyle Style = BrushStyle::Solid;
};
