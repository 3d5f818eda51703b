// The main window's printing commands: the net on one page, and the window's image.
#include <QImage>
#include <QLineEdit>

#include "app/NetHome.h"
#include "model/NetDef.h"
#include "platform/RadioGroup.h"
#include "platform/StrToInt.h"
#include "printing/NetPrinter.h"
#include "printing/PrintGeometry.h"
#include "printing/QtPrinter.h"

namespace {

// The job's name, which the print dialog also proposes for a PDF file.
QString PrintTitle() { return NetFileName.IsEmpty() ? QStringLiteral("Plexor") : NetFileName.Str(); }

}  // namespace

PrinterService& TNetForm::Printer() {
  if (!printer_) printer_ = new QtPrinter(this);
  return *printer_;
}

void TNetForm::DrawOnPaperClick() {
  PrinterService& printer = Printer();
  printer.SetTitle(PrintTitle());
  if (!printer.Execute()) return;
  printer.SetOrientation(HVRadio->ItemIndex() == 0 ? PageOrientation::Landscape : PageOrientation::Portrait);
  const int d = NominalResolution(EstimateResolution(printer.PageHeight()));
  // A text that is no integer ends the command before the page is begun.
  const int horizontalMm = StrToInt(HEdit->text());
  const int verticalMm = StrToInt(VEdit->text());
  const PrintMetrics metrics = ComputePrintMetrics(d, horizontalMm, verticalMm);
  PrintNet(printer.BeginDoc(), metrics);
  printer.EndDoc();
}

void TNetForm::FormPrintClick() {
  PrinterService& printer = Printer();
  printer.SetTitle(PrintTitle());
  if (!printer.Execute()) return;
  // The client area: the window without its frame and menu bar.
  QWidget* client = centralWidget();
  const QImage image = client->grab().toImage();
  const PrintedSize size = PrintedImageSize(client->width(), client->height(), logicalDpiX(), logicalDpiY(),
                                            printer.PixelsPerInchX(), printer.PixelsPerInchY());
  printer.PrintImage(image, size.Width, size.Height);
}
