#pragma once
// A printer without paper for tests: it answers the dialog as told, turns the page of the
// given portrait size, hands out the drawing surface it was given and records each call.
#include <QStringList>

#include "printing/PrinterService.h"

class FakePrinter : public PrinterService {
public:
  // surface: where documents are drawn; ppi: the printer's resolution in both directions;
  // the page's printable width and height in pixels when upright.
  FakePrinter(DrawSurface& surface, int ppi, int portraitWidth, int portraitHeight);

  bool AcceptDialog = true;
  int PpiX;
  int PpiY;
  PageOrientation Orientation = PageOrientation::Portrait;
  QString Title;
  // "Dialog", "Orientation Landscape", "PageHeight 2480", "BeginDoc", "EndDoc",
  // "Image 640x480 as 2000x1500".
  QStringList Calls;
  QImage LastImage;

  void SetTitle(const QString& title) override;
  bool Execute() override;
  void SetOrientation(PageOrientation orientation) override;
  int PageHeight() override;
  int PixelsPerInchX() override { return PpiX; }
  int PixelsPerInchY() override { return PpiY; }
  DrawSurface& BeginDoc() override;
  void EndDoc() override;
  void PrintImage(const QImage& image, int width, int height) override;

private:
  DrawSurface& surface_;
  int portraitWidth_;
  int portraitHeight_;
};
