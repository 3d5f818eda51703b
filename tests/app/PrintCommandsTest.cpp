// "Print Net" and "Print Form" from the main window, on a printer without paper.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "app/PrintCommands.h"
#include "app/NetHome.h"
#include "model/NetDef.h"
#include "platform/Guard.h"
#include "platform/RadioGroup.h"
#include "printing/FakePrinter.h"
#include "printing/PrintSampleNet.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

constexpr int A4Width300 = 2480;
constexpr int A4Height300 = 3508;

class PrintCommands : public ::testing::Test {
protected:
  void SetUp() override {
    ResetNetDef();
    form = CreatedForm(tmp.Path(), &prompts);
    form->Printing().SetPrinter(&printer);
    SetViewScale(2);
    ZEPCount = 1;
    ZEPText[1].Name = "Z1";
    ZEPPos[1] = {10, 8, 3};
  }

  void PrintNet() { Guard(form->Ask(), [this] { form->Printing().DrawOnPaperClick(); }); }

  TempDir tmp;
  ScriptedPrompts prompts;
  RecordingSurface surface{300};
  FakePrinter printer{surface, 300, A4Width300, A4Height300};
  std::unique_ptr<TNetForm> form;
};

}  // namespace

TEST_F(PrintCommands, OrientationAndPageGiveResolutionAndOffsets) {
  const struct {
    int radio;
    int ppi, width, height;
    const char* orientation;
    const char* pageHeight;
    const char* circle;  // ZEP (10, 8): u * 10 + OH, u * 8 + OV, radius r
  } cases[] = {
      // d = 300: u = 48, OH = 118, OV = 236, r = 96.
      {0, 300, A4Width300, A4Height300, "Orientation Landscape", "PageHeight 2480", "Ellipse 502,524,694,716"},
      // d = 400: u = 64, OH = 157, OV = 315, r = 128.
      {1, 300, A4Width300, A4Height300, "Orientation Portrait", "PageHeight 3508", "Ellipse 669,699,925,955"},
      // 600 dpi portrait: r0 = 849, d = 240: u = 38, OH = 94, OV = 189, r = 76.
      {1, 600, 4960, 7016, "Orientation Portrait", "PageHeight 7016", "Ellipse 398,417,550,569"},
  };
  for (const auto& c : cases) {
    RecordingSurface page(c.ppi);
    FakePrinter device(page, c.ppi, c.width, c.height);
    form->Printing().SetPrinter(&device);
    Probe(form).HVRadio()->SetItemIndex(c.radio);
    PrintNet();
    EXPECT_EQ(device.Calls, (QStringList{"Dialog", c.orientation, c.pageHeight, "BeginDoc", "EndDoc"}));
    EXPECT_EQ(page.Matching("Ellipse"), QStringList{c.circle}) << c.circle;
  }
  EXPECT_TRUE(prompts.Shown.isEmpty());
}

TEST_F(PrintCommands, OffsetsComeFromTheToolPanel) {
  Probe(form).HEdit()->setText("0");
  Probe(form).VEdit()->setText("-100");
  PrintNet();
  // u = 48, r = 96; OV = -1181.
  EXPECT_EQ(surface.Matching("Ellipse"), QStringList{"Ellipse 384,-893,576,-701"});
  EXPECT_EQ(printer.Title, "Plexor");
}

TEST_F(PrintCommands, TextThatIsNoIntegerStopsBeforeThePage) {
  Probe(form).HVRadio()->SetItemIndex(1);
  for (const QString& bad : {QStringLiteral("1O"), QStringLiteral(""), QStringLiteral("10 ")}) {
    printer.Calls.clear();
    prompts.Shown.clear();
    Probe(form).HEdit()->setText(bad);
    PrintNet();
    EXPECT_EQ(prompts.Shown, QStringList{"Error: '" + bad + "' is not a valid integer value"});
    EXPECT_EQ(printer.Calls, (QStringList{"Dialog", "Orientation Portrait", "PageHeight 3508"}));
    EXPECT_EQ(printer.Orientation, PageOrientation::Portrait);
  }
  Probe(form).HEdit()->setText("10");
  Probe(form).VEdit()->setText("x");
  PrintNet();
  EXPECT_EQ(prompts.Shown.last(), "Error: 'x' is not a valid integer value");
  EXPECT_TRUE(surface.Calls.isEmpty());
}

TEST_F(PrintCommands, CancelledDialogPrintsNothing) {
  printer.AcceptDialog = false;
  Probe(form).HEdit()->setText("junk");
  PrintNet();
  Guard(form->Ask(), [this] { form->Printing().FormPrintClick(); });
  EXPECT_EQ(printer.Calls, (QStringList{"Dialog", "Dialog"}));
  EXPECT_TRUE(prompts.Shown.isEmpty());
  EXPECT_TRUE(surface.Calls.isEmpty());
}

TEST_F(PrintCommands, PrintFormPrintsTheClientAreaScaledToThePrinter) {
  NetFileName = "loop.net";
  form->resize(800, 600);
  Probe(form).HVRadio()->SetItemIndex(1);
  Probe(form).HEdit()->setText("junk");  // the offsets are not used
  printer.PpiX = 600;
  Guard(form->Ask(), [this] { form->Printing().FormPrintClick(); });
  QWidget* client = form->centralWidget();
  const int w = client->width() * 600 / form->logicalDpiX();
  const int h = client->height() * 300 / form->logicalDpiY();
  EXPECT_EQ(printer.Calls, (QStringList{"Dialog", QStringLiteral("Image %1x%2 as %3x%4")
                                                      .arg(client->width()).arg(client->height()).arg(w).arg(h)}));
  EXPECT_LT(client->height(), form->height());  // no menu bar
  EXPECT_EQ(printer.Title, "loop.net");
  EXPECT_TRUE(prompts.Shown.isEmpty());
}

TEST_F(PrintCommands, F3OnlyOnceEnabledF4Always) {
  form->show();
  form->setEnabled(true);
  form->activateWindow();
  Probe(form).HEdit()->setFocus();
  ASSERT_FALSE(Probe(form).DrawOnPaper()->isEnabled());
  QTest::keyClick(Probe(form).HEdit(), Qt::Key_F3);
  EXPECT_TRUE(printer.Calls.isEmpty());
  QTest::keyClick(Probe(form).HEdit(), Qt::Key_F4);
  ASSERT_EQ(printer.Calls.size(), 2);
  EXPECT_TRUE(printer.Calls[1].startsWith("Image "));

  printer.Calls.clear();
  Probe(form).DrawOnPaper()->setEnabled(true);  // as after loading or starting a net
  QTest::keyClick(Probe(form).HEdit(), Qt::Key_F3);
  EXPECT_EQ(printer.Calls.first(), "Dialog");
  EXPECT_EQ(printer.Calls.last(), "EndDoc");
  EXPECT_EQ(Probe(form).HEdit()->text(), "10");  // the key did not reach the edit
}
