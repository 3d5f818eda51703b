// Printing through Qt's printer into a PDF file, as "Print to File (PDF)" in the print
// dialog does for a user without a printer.
#include <QFile>
#include <QPrintDialog>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "model/NetDef.h"
#include "printing/NetPrinter.h"
#include "printing/PrintGeometry.h"
#include "printing/PrintSampleNet.h"
#include "printing/QtPrinter.h"
#include "support/TempDir.h"

namespace {

class PdfPrint : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    SetViewScale(2);
    printer.SetDialogRunner([this](QPrinter& device) {
      ++dialogs;
      device.setOutputFormat(QPrinter::PdfFormat);
      device.setOutputFileName(pdf);
      device.setPageSize(QPageSize(QPageSize::A4));
      return true;
    });
  }

  QByteArray ReadPdf() const {
    QFile file(pdf);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // The page's drawing operators: every compressed stream of the file that inflates.
  static QByteArray PageContent(const QByteArray& file) {
    static const QByteArray marker("/FlateDecode\n>>\nstream\n");
    QByteArray content;
    for (qsizetype at = file.indexOf(marker); at >= 0; at = file.indexOf(marker, at + 1)) {
      const qsizetype begin = at + marker.size();
      const qsizetype end = file.indexOf("endstream", begin);
      if (end < 0) break;
      // qUncompress wants the inflated size first; a generous guess will do.
      content += qUncompress(QByteArray("\0\x10\0\0", 4) + file.mid(begin, end - begin));
    }
    return content;
  }

  TempDir tmp;
  QString pdf = tmp.File("net.pdf");
  QtPrinter printer{nullptr};
  int dialogs = 0;
};

}  // namespace

TEST_F(PdfPrint, ExampleNetFillsOnePage) {
  SetUpPrintSampleNet();
  ASSERT_TRUE(printer.Execute());
  printer.SetOrientation(PageOrientation::Landscape);
  EXPECT_EQ(printer.PixelsPerInchY(), PdfResolution);
  const int d = NominalResolution(EstimateResolution(printer.PageHeight()));
  EXPECT_EQ(d, 300);
  PrintNet(printer.BeginDoc(), ComputePrintMetrics(d, 10, 20));
  printer.EndDoc();

  const QByteArray file = ReadPdf();
  ASSERT_TRUE(file.startsWith("%PDF-"));
  EXPECT_EQ(file.count("/Type /Page\n") + file.count("/Type /Page\r") + file.count("/Type /Page "), 1);
  EXPECT_TRUE(file.contains("/Count 1"));
  // Landscape A4: the media box is wider than high.
  const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
  const auto media = box.match(QString::fromLatin1(file));
  ASSERT_TRUE(media.hasMatch());
  EXPECT_GT(media.captured(1).toDouble(), media.captured(2).toDouble());

  const QByteArray content = PageContent(file);
  // Lines and curves were drawn, and text was set.
  EXPECT_GT(content.count(" l\n") + content.count(" c\n"), 20) << content.left(400).toStdString();
  EXPECT_TRUE(content.contains("BT"));
}

TEST_F(PdfPrint, UnwritableFileIsAnInputOutputError) {
  printer.SetDialogRunner([this](QPrinter& device) {
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(tmp.File("missing/folder/net.pdf"));
    return true;
  });
  ASSERT_TRUE(printer.Execute());
  try {
    printer.BeginDoc();
    FAIL() << "the document began";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "Cannot create file \"" + tmp.File("missing/folder/net.pdf") + "\".");
  }
  printer.EndDoc();
}

TEST_F(PdfPrint, WindowImageAtTheTopLeftCorner) {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::black);
  ASSERT_TRUE(printer.Execute());
  printer.PrintImage(image, 625, 312);
  const QByteArray file = ReadPdf();
  EXPECT_TRUE(file.contains("/Count 1"));
  EXPECT_TRUE(file.contains("/Subtype /Image"));
}

TEST_F(PdfPrint, DialogOffersPrintingToAFile) {
  QPrintDialog dialog(&printer.Device());
  ConfigurePrintDialog(dialog);
  EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
  EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
  // Cancelling the dialog prints nothing.
  printer.SetDialogRunner([](QPrinter&) { return false; });
  EXPECT_FALSE(printer.Execute());
}
