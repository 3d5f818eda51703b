#pragma once
// The system's printers through QPrinter and QPrintDialog. The dialog also offers
// "Print to File (PDF)", so a user without a printer can print to a PDF file.
#include <QObject>
#include <QPrinter>
#include <functional>
#include <memory>

#include "printing/PrinterService.h"

class QPainter;
class QPrintDialog;
class QWidget;
class PainterSurface;

// A PDF file has no device resolution, and where the print system takes PDF from the
// program every printer receives one: its pixels are set to this resolution, that of a
// common office printer, which keeps the net's geometry and its text at their paper sizes.
inline constexpr int PdfResolution = 300;

// Lets the user choose and print to a file as well as to a printer.
void ConfigurePrintDialog(QPrintDialog& dialog);

class QtPrinter : public QObject, public PrinterService {
  Q_OBJECT
public:
  // The dialog is shown over `window`, which also owns this printer.
  explicit QtPrinter(QWidget* window);
  ~QtPrinter() override;

  // Replaces the print dialog: it sets up the printer and tells whether to print.
  using DialogRunner = std::function<bool(QPrinter&)>;
  void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }
  QPrinter& Device() { return printer_; }

  void SetTitle(const QString& title) override;
  bool Execute() override;
  void SetOrientation(PageOrientation orientation) override;
  int PageHeight() override;
  int PixelsPerInchX() override;
  int PixelsPerInchY() override;
  DrawSurface& BeginDoc() override;
  void EndDoc() override;
  void PrintImage(const QImage& image, int width, int height) override;

private:
  bool RunPrintDialog(QPrinter& printer);
  bool PrintsThroughPdf();
  void BeginPainter();

  QPrinter printer_;
  DialogRunner runner_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<PainterSurface> surface_;
};
