#pragma once
// The sizes of a printed net in printer pixels: the printer's nominal resolution guessed
// from the page height, the offsets, and the screen's sizes taken as 1/100 inch on paper.

// The resolution estimate r0 in dots per inch: the printable page height taken as 210 mm,
// whatever the orientation, rounded to the nearest integer.
int EstimateResolution(int pageHeight);

// The nominal resolution d that an estimate snaps to: 300, 360, 400, 600 or 720, and 240
// for an estimate outside 261..799.
int NominalResolution(int estimate);

// An offset in millimetres in printer pixels at d dots per inch, rounded to the nearest.
int OffsetPixels(int millimetres, int d);

// Keeps a printer coordinate far beyond any page but within integer range, so that
// positions and offsets of any size cannot overflow the arithmetic.
int PageCoordinate(long long value);

struct PrintMetrics {
  int D = 0;          // nominal resolution, dots per inch
  int OH = 0;         // horizontal offset in pixels
  int OV = 0;         // vertical offset in pixels
  int U = 0;          // pixels per grid unit
  int R = 0;          // ZEP radius
  int T = 0;          // arrow reach
  int E = 0;          // arrow inset
  int K = 0;          // barb size
  int P = 0;          // Dot radius
  int CirclePen = 0;  // the ZEP circle's pen width
  int LinePen = 0;    // lines, arrows, connections and Dot outlines
};

// The metrics at d dots per inch from the current view state and the offsets in millimetres.
PrintMetrics ComputePrintMetrics(int d, int horizontalMm, int verticalMm);

struct PrintedSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const PrintedSize&, const PrintedSize&) = default;
};

// A window image of the given size at the window's resolution, scaled proportionally to the
// printer's resolution.
PrintedSize PrintedImageSize(int width, int height, int windowPpiX, int windowPpiY,
                             int printerPpiX, int printerPpiY);
