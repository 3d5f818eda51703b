// The program's way in and out: Net.ini at the first and later starts, the start-up
// screen, the close protocol and the menu's hold on its shortcut keys.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <climits>
#include <gtest/gtest.h>

#include "app/FileCommands.h"
#include "app/NetHome.h"
#include "app/NetStart.h"
#include "model/NetChange.h"
#include "model/NetDef.h"
#include "platform/ProfileFile.h"
#include "platform/QtPrompts.h"
#include "support/ScriptedPrompts.h"
#include "support/NetFormProbe.h"
#include "support/ShownTitle.h"
#include "support/StartedForm.h"
#include "support/TempDir.h"

namespace {

// Counts the key presses that reach a widget.
class KeyProbe : public QObject {
public:
  int Presses = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++Presses;
    return false;
  }
};

// Points the user's configuration folder elsewhere for the life of the object.
class ConfigHome {
public:
  explicit ConfigHome(const QString& folder) : saved_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
  }
  ~ConfigHome() { qputenv("XDG_CONFIG_HOME", saved_); }

private:
  QByteArray saved_;
};

class Lifecycle : public ::testing::Test {
protected:
  void SetUp() override { ResetNetDef(); }

  // The windows as the program makes them, with scripted prompts; shown when asked.
  void Make(bool show = true) {
    form = CreatedForm(tmp.Path(), &prompts);
    startUp = std::make_unique<TNetStartUp>(form.get());
    form->SetStartUp(startUp.get());
    if (show) form->show();
  }

  QString Ini() const { return tmp.File("Net.ini"); }

  TempDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<TNetForm> form;
  std::unique_ptr<TNetStartUp> startUp;
};

}  // namespace

TEST_F(Lifecycle, FirstStartWritesTheSixLinesAndKeepsBuiltInValues) {
  Make(false);
  const QByteArray a = tmp.Path().toLatin1();
  EXPECT_EQ(ReadBytes(Ini()), "[NetWork]\r\nNetworkDataPath = " + a + "\r\n[ZEP]\r\nUserDataPath = " + a +
                             "\r\nLibDataPath = " + a + "\r\nBuiltDataPath = " + a + "\r\n");
  EXPECT_EQ(Scale, 2);
  EXPECT_EQ(NetworkDataPath.Str(), QString());  // read only at the next start
  EXPECT_EQ(AppDir.Str(), tmp.Path());
  EXPECT_EQ(ShownTitle(*form), "Plexor - no File is Loaded");
  EXPECT_FALSE(form->isEnabled());
}

TEST_F(Lifecycle, AProgramFolderThatCannotBeWrittenKeepsNetIniInTheUsersConfiguration) {
  TempDir config;
  const ConfigHome configHome(config.dir.path());
  form = CreatedForm(tmp.File("not-there/"), &prompts);
  const QByteArray home = (QDir::homePath() + "/").toLatin1();
  EXPECT_EQ(ReadBytes(config.File("Plexor/Net.ini")),
            "[NetWork]\r\nNetworkDataPath = " + home + "\r\n[ZEP]\r\nUserDataPath = " + home +
                "\r\nLibDataPath = " + home + "\r\nBuiltDataPath = " + home + "\r\n");
  EXPECT_TRUE(prompts.Shown.isEmpty());
  prompts.Files = {std::nullopt};
  form->Files().NewClick();  // New proposes its file in the home folder
  EXPECT_EQ(prompts.Shown.last(), "Save: New.net|" + home);
}

TEST_F(Lifecycle, LaterStartsReadFoldersAndScaleWithFallbacks) {
  const struct {
    QByteArray scale;
    int expected;
  } cases[] = {{"4", 4}, {"1", 1}, {"6", 6}, {"7", 2}, {"0", 2}, {"abc", 2}, {"", 2}};
  for (const auto& c : cases) {
    ResetNetDef();
    ASSERT_TRUE(WriteBytes(Ini(), "[canvas]\r\nscale = " + c.scale + "\r\n"));
    Make(false);
    EXPECT_EQ(Scale, c.expected) << c.scale.constData();
    EXPECT_EQ(Pitch, ScaleSize(Scale) / 2);
    for (const TPath* folder : {&NetworkDataPath, &UserDataPath, &LibDataPath, &BuiltDataPath})
      EXPECT_EQ(folder->Str(), tmp.Path());
  }
  ASSERT_TRUE(WriteBytes(Ini(), "[NETWORK]\r\nNetworkDataPath = /nets\r\n[zep]\r\nBuiltDataPath=/lists/\r\n"));
  ResetNetDef();
  Make(false);
  EXPECT_EQ(NetworkDataPath.Str(), "/nets");
  EXPECT_EQ(BuiltDataPath.Str(), "/lists/");
  EXPECT_EQ(UserDataPath.Str(), tmp.Path());
}

// The kept geometry where it fits the screen; moved and shrunk until it does otherwise.
TEST_F(Lifecycle, FirstShowRestoresAndCorrectsTheWindowSize) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_GE(area.width(), 720);
  ASSERT_GE(area.height(), 520);
  enum Place { Anywhere, Kept, AtTopLeft, AtBottomRight };
  const struct {
    QByteArray position;
    int width, height;  // as asked for, before the screen is minded
    Place place;
  } cases[] = {
      {"", 960, 720, Anywhere},
      {"[Position]\r\nLeft=10\r\nTop=20\r\nWidth=150\r\nHeight=100\r\n", 960, 720, Anywhere},
      {"[Position]\r\nWidth=200\r\nHeight=150\r\n", 200, 150, Anywhere},
      {"[Position]\r\nLeft=10\r\nTop=20\r\nWidth=700\r\nHeight=500\r\n", 700, 500, Kept},
      {"[Position]\r\nLeft=3000\r\nTop=-70000\r\nWidth=2147483647\r\nHeight=2147483647\r\n", INT_MAX,
       INT_MAX, AtTopLeft},
      {"[Position]\r\nLeft=2147483647\r\nTop=2147483647\r\nWidth=300\r\nHeight=200\r\n", 300, 200,
       AtBottomRight},
  };
  for (const auto& c : cases) {
    ResetNetDef();
    ASSERT_TRUE(WriteBytes(Ini(), "[Canvas]\r\nScale=2\r\n" + c.position));
    Make();
    const std::string what = c.position.toStdString();
    const QRect frame = form->frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << what;
    EXPECT_EQ(form->width(), std::min(c.width, area.width() - (frame.width() - form->width()))) << what;
    EXPECT_EQ(form->height(), std::min(c.height, area.height() - (frame.height() - form->height()))) << what;
    if (c.place == Kept) {
      EXPECT_EQ(form->geometry().topLeft(), QPoint(10, 20)) << what;
    } else if (c.place == AtTopLeft) {
      EXPECT_EQ(frame.topLeft(), area.topLeft()) << what;
    } else if (c.place == AtBottomRight) {
      EXPECT_EQ(frame.bottomRight(), area.bottomRight()) << what;
    }
    EXPECT_EQ(CanvasWidth, 200);
    EXPECT_EQ(CanvasHeight, 200);
    EXPECT_TRUE(startUp->isVisible());
    EXPECT_FALSE(form->isEnabled());
  }
}

TEST_F(Lifecycle, StartUpScreenTextsAndFocusAcrossStartCloseAndRestart) {
  Make();
  EXPECT_EQ(ShownTitle(*startUp), "Starting the Plexor");
  EXPECT_EQ(startUp->WelcomeLabel->text(), "Welcome to");
  EXPECT_EQ(startUp->StartBtn->text(), "Start");
  EXPECT_EQ(startUp->focusWidget(), startUp->StartBtn);
  EXPECT_EQ(startUp->size(), QSize(427, 268));
  const QRect main = form->geometry();
  EXPECT_EQ(startUp->x(), main.left() + (main.width() - 427) / 2);
  EXPECT_EQ(startUp->y(), main.top() + (main.height() - 268) / 2);
  EXPECT_TRUE(FontName.isEmpty());
  EXPECT_EQ(DrawFontName.Str(), "Times New Roman");  // the canvas's face from its first paint

  QTest::keyClick(startUp->StartBtn, Qt::Key_Return);  // Enter runs the focused Start
  EXPECT_TRUE(form->isEnabled());
  EXPECT_FALSE(startUp->isVisible());
  EXPECT_EQ(FontName, "Times New Roman");

  form->ExitClick();  // nothing edited: straight back to the screen
  EXPECT_TRUE(startUp->isVisible());
  EXPECT_FALSE(form->isEnabled());
  EXPECT_EQ(startUp->WelcomeLabel->text(), "Thank you for your using");
  EXPECT_EQ(startUp->WelcomeLabel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(startUp->StartBtn->text(), "Restart");
  EXPECT_EQ(startUp->focusWidget(), startUp->ExitBtn);
  EXPECT_EQ(ShownTitle(*startUp), "Starting the Plexor");
  // Enter would run End: End wears the default look and the dotted focus mark, Restart
  // neither. Then the same the other way round.
  for (bool onEnd : {true, false}) {
    QPushButton* focused = onEnd ? startUp->ExitBtn : startUp->StartBtn;
    QPushButton* other = onEnd ? startUp->StartBtn : startUp->ExitBtn;
    focused->setFocus();
    const QImage f = focused->grab().toImage();
    const QImage o = other->grab().toImage();
    // The default look: a blue outline and a bluish face, seen on the ring outside the mark.
    const auto blueTint = [](const QImage& i) {
      int tint = 0;
      for (int x = 0; x < i.width(); ++x) {
        for (int y = 0; y < i.height(); ++y) {
          const bool ring = x < 3 || y < 3 || x >= i.width() - 3 || y >= i.height() - 3;
          if (ring) tint += qBlue(i.pixel(x, y)) - qRed(i.pixel(x, y));
        }
      }
      return tint;
    };
    EXPECT_GT(blueTint(f), blueTint(o) + 1000) << onEnd << ": " << blueTint(f) << " " << blueTint(o);
    const auto markDots = [](const QImage& i) {
      int dark = 0;
      for (int y = 3; y < i.height() - 4; ++y) dark += qGray(i.pixel(3, y)) < 64;
      return dark;
    };
    EXPECT_GE(markDots(f), 4) << onEnd;
    EXPECT_EQ(markDots(o), 0) << onEnd;
  }
  startUp->ExitBtn->setFocus();
  EXPECT_TRUE(prompts.Shown.isEmpty());

  startUp->StartBtn->click();
  EXPECT_TRUE(form->isEnabled());
  form->close();
  EXPECT_TRUE(startUp->isVisible());
  EXPECT_EQ(startUp->StartBtn->text(), "Restart");
  EXPECT_FALSE(ExitChosen);
  EXPECT_TRUE(form->isVisible());  // only End ends the program
}

TEST_F(Lifecycle, CloseWithUnsavedChangesAsksAndHonoursEachAnswer) {
  Make();
  startUp->StartBtnClick();
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  const QString question = "YesNoCancel: Do you save the edited Network ?";

  prompts.Answers = {Answer::Cancel};
  form->ExitClick();
  EXPECT_EQ(prompts.Shown, QStringList{question});
  EXPECT_TRUE(form->isEnabled());
  EXPECT_FALSE(startUp->isVisible());

  prompts.Shown.clear();
  prompts.Answers = {Answer::No};
  form->ExitClick();
  EXPECT_EQ(prompts.Shown, QStringList{question});
  EXPECT_TRUE(startUp->isVisible());
  EXPECT_TRUE(Edited);  // the unsaved net stays for Restart
  // ... and End would drop it: the caption carries the mark of unsaved changes.
  EXPECT_EQ(ShownTitle(*startUp), "Starting the Plexor*");

  startUp->StartBtnClick();
  prompts.Shown.clear();
  prompts.Answers = {Answer::Yes};
  prompts.Files = {std::nullopt};  // the save dialog is cancelled
  form->ExitClick();
  ASSERT_EQ(prompts.Shown.size(), 2);
  EXPECT_EQ(prompts.Shown[0], question);
  EXPECT_TRUE(prompts.Shown[1].startsWith("Save: "));
  // A save that did not happen abandons the close, as Cancel would.
  EXPECT_FALSE(startUp->isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_TRUE(Edited);
}

TEST_F(Lifecycle, MenuTakesItsShortcutsEvenWhenDisabled) {
  Make();
  startUp->StartBtnClick();
  KeyProbe probe;
  Probe(form).HEdit()->installEventFilter(&probe);
  Probe(form).HEdit()->setFocus();
  QSignalSpy saves(Probe(form).Save(), &QAction::triggered);
  ASSERT_FALSE(Probe(form).Save()->isEnabled());

  QTest::keyClick(Probe(form).HEdit(), Qt::Key_F2);
  EXPECT_EQ(saves.count(), 0);
  EXPECT_EQ(probe.Presses, 0);  // taken by the menu, never seen by the window's controls

  QTest::keyClick(Probe(form).HEdit(), Qt::Key_5);
  EXPECT_EQ(probe.Presses, 1);  // an ordinary key passes on

  const int scale = Scale;
  QTest::keyClick(Probe(form).HEdit(), Qt::Key_PageDown);  // no menu shortcut: the window's key map
  EXPECT_EQ(Scale, scale + 1);

  // The captions and shortcuts of the items that carry one.
  const QStringList expected = {"New|Shift+F1", "Load|F1", "Save|F2", "Save in Place|Ctrl+S", "Print Net|F3",
                                "Print Form|F4", "Undo|Ctrl+Z", "Redo|Ctrl+Y Ctrl+Shift+Z", "Find|Ctrl+F",
                                "Delete Element|Del", "Delete Func/Lib Name|Shift+Del", "Fit Net|Ctrl+0",
                                "Dragging Mode|F8", "Check Net|F9"};
  QStringList actual;
  for (QAction* item : Probe(form).MenuItems()) {
    QStringList keys;
    for (const QKeySequence& key : item->shortcuts()) keys << key.toString();
    actual << item->text() + "|" + keys.join(' ');
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(Lifecycle, EndBeforeStartWritesPositionAndCanvas) {
  Make();
  form->SetWindowGeometry(100, 120, 640, 480);
  startUp->ExitBtnClick();
  EXPECT_TRUE(ExitChosen);
  EXPECT_FALSE(form->isVisible());
  const ProfileFile ini(Ini());
  EXPECT_EQ(ini.ReadString("Position", "Left", ""), "100");
  EXPECT_EQ(ini.ReadString("Position", "Top", ""), "120");
  EXPECT_EQ(ini.ReadString("Position", "Width", ""), "640");
  EXPECT_EQ(ini.ReadString("Position", "Height", ""), "480");
  EXPECT_EQ(ini.ReadString("Canvas", "Scale", ""), "2");
  // The folder keys stay as the first start wrote them.
  EXPECT_EQ(ini.ReadString("Network", "NetworkDataPath", ""), tmp.Path());
  EXPECT_TRUE(prompts.Shown.isEmpty());
}

TEST_F(Lifecycle, AStartAndAnEndWithoutAMoveKeepTheGeometry) {
  const QByteArray position = "[Position]\r\nLeft=30\r\nTop=40\r\nWidth=600\r\nHeight=500\r\n";
  ASSERT_TRUE(WriteBytes(Ini(), "[Canvas]\r\nScale=2\r\n" + position));
  Make();
  // The window without its frame, which a window system may add only once the window is up.
  EXPECT_EQ(form->geometry(), QRect(30, 40, 600, 500));
  startUp->ExitBtnClick();
  const ProfileFile ini(Ini());
  EXPECT_EQ(ini.ReadString("Position", "Left", ""), "30");
  EXPECT_EQ(ini.ReadString("Position", "Top", ""), "40");
  EXPECT_EQ(ini.ReadString("Position", "Width", ""), "600");
  EXPECT_EQ(ini.ReadString("Position", "Height", ""), "500");
}

TEST_F(Lifecycle, WhileTheStartUpScreenShowsTheMainWindowTakesNoCloseAndBoxesOpenInFront) {
  Make();
  startUp->StartBtnClick();
  NetChanged(NetChangeKind::Properties);  // an edit not yet saved
  prompts.Answers = {Answer::No};
  form->ExitClick();
  ASSERT_TRUE(startUp->isVisible());
  prompts.Shown.clear();
  form->close();  // the close box of the main window, under the start-up screen
  EXPECT_TRUE(prompts.Shown.isEmpty());
  EXPECT_TRUE(startUp->isVisible());
  EXPECT_TRUE(form->isVisible());

  // A box of the program belongs to the window in front: here the start-up screen.
  QtPrompts boxes(form.get());
  QWidget* owner = nullptr;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    owner = box->parentWidget();
    box->close();
  });
  boxes.Warning("in front");
  EXPECT_EQ(owner, startUp.get());
  NetSaved();
}

TEST_F(Lifecycle, DefaultFormSizeFillsTheClientAreaBelowTheToolPanel) {
  Make();
  form->SizeSetClick();
  EXPECT_EQ(form->size(), QSize(1024, 768));
  QWidget* client = form->centralWidget();
  EXPECT_EQ(Probe(form).IconPnl()->geometry(), QRect(0, 0, client->width(), 29));
  EXPECT_EQ(Probe(form).ScrollBox()->geometry(), QRect(0, 29, client->width(), client->height() - 29));
}

TEST_F(Lifecycle, SettingsThatCannotBeWrittenAreReportedAndTheProgramGoesOn) {
  // A program folder that does not exist, and a configuration folder that cannot be made,
  // stand for a system where Net.ini cannot be made.
  ASSERT_TRUE(WriteBytes(tmp.File("file"), ""));
  const ConfigHome configHome(tmp.File("file/config"));
  form = CreatedForm(tmp.Path() + "missing/", &prompts);
  ASSERT_EQ(prompts.Shown.size(), 1);
  EXPECT_TRUE(prompts.Shown[0].startsWith("Error: Cannot create file")) << prompts.Shown[0].toStdString();
  prompts.Shown.clear();
  EXPECT_EQ(Scale, 2);
  EXPECT_EQ(Pitch, 16);
  EXPECT_TRUE(NetworkDataPath.IsEmpty());
  startUp = std::make_unique<TNetStartUp>(form.get());
  form->SetStartUp(startUp.get());
  form->show();
  EXPECT_TRUE(startUp->isVisible());

  startUp->ExitBtnClick();  // the write at the end fails: reported, and the program ends
  ASSERT_EQ(prompts.Shown.size(), 1);
  EXPECT_TRUE(prompts.Shown[0].startsWith("Error: Cannot write")) << prompts.Shown[0].toStdString();
  EXPECT_FALSE(form->isVisible());
}
