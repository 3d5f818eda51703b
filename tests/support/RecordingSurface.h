#pragma once
// A drawing surface that records every call as a line of text, with fixed text metrics:
// each character is CharWidth pixels wide, and the character height follows the font
// size at PPI pixels per inch.
#include <QStringList>

#include "platform/DrawSurface.h"

class RecordingSurface : public DrawSurface {
public:
  explicit RecordingSurface(int ppi = 96, int charWidth = 7) : ppi_(ppi), charWidth_(charWidth) {}

  // Lines such as "Pen 255,0,0 w3 Solid", "Brush 0,0,0 Clear", "Font Times New Roman 10 bold 0,0,255",
  // "FontColor 255,0,0", "FillRect 0,0,100,100", "Ellipse 1,2,3,4", "Rectangle 1,2,3,4",
  // "MoveTo 1,2", "LineTo 3,4", "Text 5,6 Name".
  QStringList Calls;

  void SetPen(Rgb color, int width, PenStyle style) override;
  void SetBrush(Rgb color, BrushStyle style) override;
  void SetFont(const QString& face, int points, bool bold, Rgb color) override;
  void SetFontColor(Rgb color) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const QString& text) override;
  int TextWidth(const QString& text) override;
  int TextHeight() override;
  int PixelsPerInch() const override { return ppi_; }

  // The recorded lines that start with a prefix.
  QStringList Matching(const QString& prefix) const;
  // Makes the checker itself testable: the index of a line, or -1.
  int IndexOf(const QString& line) const { return static_cast<int>(Calls.indexOf(line)); }

private:
  int ppi_;
  int charWidth_;
  int points_ = 8;
};
