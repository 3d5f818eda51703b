#include "app/PrintCommands.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/NetHome.h"
#include "model/NetDef.h"
#include "platform/RadioGroup.h"
#include "platform/StrToInt.h"
#include "platform/UpDown.h"
#include "printing/NetPrinter.h"
#include "printing/PrintGeometry.h"
#include "printing/QtPrinter.h"

namespace {

// The job's name, which the print dialog also proposes for a PDF file.
QString PrintTitle() { return NetFileName.IsEmpty() ? QStringLiteral("Plexor") : NetFileName.Str(); }

}  // namespace

TPrintCommands::TPrintCommands(TNetForm& form, QWidget* toolPanel) : form_(form) {
  Panel3 = new QWidget(toolPanel);
  auto* offsets = new QHBoxLayout(Panel3);
  offsets->setContentsMargins(4, 0, 4, 0);
  offsets->setSpacing(3);
  offsets->addWidget(new QLabel(QStringLiteral(" Printer offset(mm)"), Panel3));
  // An offset in mm, -100..200, typed or stepped.
  const auto addOffset = [&](const QString& axis, int mm, QLineEdit*& edit, UpDown*& upDown) {
    offsets->addWidget(new QLabel(axis, Panel3));
    edit = new QLineEdit(QString::number(mm), Panel3);
    edit->setFixedWidth(36);
    upDown = new UpDown(edit, -100, 200, mm, Panel3);
    offsets->addWidget(edit);
    offsets->addWidget(upDown);
  };
  addOffset(QStringLiteral("H"), 10, HEdit, HUD);
  addOffset(QStringLiteral("V"), 20, VEdit, VUD);
  HVRadio = new RadioGroup(QString(), {QStringLiteral("Landscape"), QStringLiteral("Portrait")}, 2, Panel3);
  HVRadio->setFlat(true);
  HVRadio->SetItemIndex(0);
  for (int i = 0; i < 2; ++i) HVRadio->Item(i)->setFocusPolicy(Qt::NoFocus);
  offsets->addWidget(HVRadio);
  // Texts stay whole: no control is squeezed below its natural width. A window narrower
  // than the tool panel's row cuts it off at its right edge instead.
  for (QWidget* w : Panel3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (qobject_cast<QLabel*>(w) || w == HVRadio) w->setMinimumWidth(w->sizeHint().width());
}

PrinterService& TPrintCommands::Printer() {
  if (!printer_) printer_ = new QtPrinter(&form_);
  return *printer_;
}

void TPrintCommands::DrawOnPaperClick() {
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

void TPrintCommands::FormPrintClick() {
  PrinterService& printer = Printer();
  printer.SetTitle(PrintTitle());
  if (!printer.Execute()) return;
  // The client area: the window without its frame and menu bar.
  QWidget* client = form_.centralWidget();
  const QImage image = client->grab().toImage();
  const PrintedSize size = PrintedImageSize(client->width(), client->height(), form_.logicalDpiX(),
                                            form_.logicalDpiY(), printer.PixelsPerInchX(), printer.PixelsPerInchY());
  printer.PrintImage(image, size.Width, size.Height);
}
