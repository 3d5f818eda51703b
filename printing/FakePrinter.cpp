#include "printing/FakePrinter.h"

FakePrinter::FakePrinter(DrawSurface& surface, int ppi, int portraitWidth, int portraitHeight)
    : PpiX(ppi), PpiY(ppi), surface_(surface), portraitWidth_(portraitWidth),
      portraitHeight_(portraitHeight) {}

void FakePrinter::SetTitle(const QString& title) { Title = title; }

bool FakePrinter::Execute() {
  Calls << QStringLiteral("Dialog");
  return AcceptDialog;
}

void FakePrinter::SetOrientation(PageOrientation orientation) {
  Orientation = orientation;
  Calls << (orientation == PageOrientation::Landscape ? QStringLiteral("Orientation Landscape")
                                                      : QStringLiteral("Orientation Portrait"));
}

int FakePrinter::PageHeight() {
  const int height = Orientation == PageOrientation::Landscape ? portraitWidth_ : portraitHeight_;
  Calls << QStringLiteral("PageHeight %1").arg(height);
  return height;
}

DrawSurface& FakePrinter::BeginDoc() {
  Calls << QStringLiteral("BeginDoc");
  return surface_;
}

void FakePrinter::EndDoc() { Calls << QStringLiteral("EndDoc"); }

void FakePrinter::PrintImage(const QImage& image, int width, int height) {
  LastImage = image;
  Calls << QStringLiteral("Image %1x%2 as %3x%4").arg(image.width()).arg(image.height()).arg(width).arg(height);
}
