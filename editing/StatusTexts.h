#pragma once
// The texts of the status line below the canvas: where the pointer stands, the scale, the
// mode, how many elements are picked and how full the tables are.
#include <QPoint>
#include <QString>
#include <optional>

struct TStatusTexts {
  QString Pointer;  // the grid point under the pointer, "12, 40"; empty without a pointer
  QString Scale;    // "100%"
  QString Mode;     // "Select" or "Drag"
  QString Picked;   // "1 picked": the elements picked, or appended and not yet placed;
                    // "7 selected" while elements are selected
  QString Counts;   // "ZEPs 12/256  Inputs 20/512  Outputs 3/256  Comments 1/32  Dots 0/64"
  friend bool operator==(const TStatusTexts&, const TStatusTexts&) = default;
};

// `pointer`: the pointer's position in paint-area pixels, when it is over the canvas.
TStatusTexts StatusTexts(std::optional<QPoint> pointer);
