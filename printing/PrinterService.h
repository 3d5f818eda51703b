#pragma once
// The printer as the printing commands see it: the print dialog, the page orientation, the
// printable page size and resolution, a one-page document drawn through a drawing surface,
// and a one-page image. The program prints through QtPrinter; tests use FakePrinter.
#include <QImage>
#include <QString>

#include "platform/DrawSurface.h"
#include "platform/Errors.h"

enum class PageOrientation { Landscape, Portrait };

// The printer refused to start a document.
class EPrinterError : public RuntimeError {
public:
  using RuntimeError::RuntimeError;
};

class PrinterService {
public:
  virtual ~PrinterService() = default;

  // The name of the print job; also the proposed name when printing to a file.
  virtual void SetTitle(const QString& title) = 0;
  // Runs the print dialog; false when the user cancels it.
  virtual bool Execute() = 0;
  virtual void SetOrientation(PageOrientation orientation) = 0;
  // The height of the printable area in printer pixels, in the current orientation.
  virtual int PageHeight() = 0;
  virtual int PixelsPerInchX() = 0;
  virtual int PixelsPerInchY() = 0;

  // Begins a document of one page whose origin is the printable area's top-left corner.
  // The surface lives until EndDoc. Raises EPrinterError or EInOutError when it cannot begin.
  virtual DrawSurface& BeginDoc() = 0;
  virtual void EndDoc() = 0;

  // Prints a document of one page holding the image at the top-left corner of the
  // printable area, stretched to width by height printer pixels.
  virtual void PrintImage(const QImage& image, int width, int height) = 0;
};
