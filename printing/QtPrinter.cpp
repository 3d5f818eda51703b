#include "printing/QtPrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QWidget>

#include "platform/PainterSurface.h"

void ConfigurePrintDialog(QPrintDialog& dialog) {
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
}

QtPrinter::QtPrinter(QWidget* window)
    : QObject(window), printer_(QPrinter::HighResolution),
      runner_([this](QPrinter& printer) { return RunPrintDialog(printer); }) {}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::RunPrintDialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, qobject_cast<QWidget*>(parent()));
  ConfigurePrintDialog(dialog);
  return dialog.exec() == QDialog::Accepted;
}

void QtPrinter::SetTitle(const QString& title) { printer_.setDocName(title); }

bool QtPrinter::Execute() {
  if (!runner_(printer_)) return false;
  if (PrintsThroughPdf()) printer_.setResolution(PdfResolution);
  return true;
}

bool QtPrinter::PrintsThroughPdf() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return true;  // the print system takes PDF, whatever the printer
#else
  return printer_.outputFormat() == QPrinter::PdfFormat;
#endif
}

void QtPrinter::SetOrientation(PageOrientation orientation) {
  printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
}

int QtPrinter::PageHeight() { return printer_.height(); }
int QtPrinter::PixelsPerInchX() { return printer_.logicalDpiX(); }
int QtPrinter::PixelsPerInchY() { return printer_.logicalDpiY(); }

void QtPrinter::BeginPainter() {
  painter_ = std::make_unique<QPainter>();
  if (painter_->begin(&printer_)) return;
  painter_.reset();
  if (printer_.outputFormat() == QPrinter::PdfFormat)
    throw EInOutError(QStringLiteral("Cannot create file \"%1\".").arg(printer_.outputFileName()));
  throw EPrinterError(QStringLiteral("The printer \"%1\" cannot start printing.").arg(printer_.printerName()));
}

DrawSurface& QtPrinter::BeginDoc() {
  BeginPainter();
  surface_ = std::make_unique<PainterSurface>(*painter_, PixelsPerInchY());
  return *surface_;
}

void QtPrinter::EndDoc() {
  surface_.reset();
  if (painter_) painter_->end();
  painter_.reset();
}

void QtPrinter::PrintImage(const QImage& image, int width, int height) {
  BeginPainter();
  painter_->setRenderHint(QPainter::SmoothPixmapTransform);
  painter_->drawImage(QRect(0, 0, width, height), image);
  EndDoc();
}
