#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef PLEXOR_TEST_APPLICATION
#include <QApplication>
#define PLEXOR_TEST_APPLICATION QApplication
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Recovery copies and other user data go to a folder of this run, never the user's own.
  const QTemporaryDir dataHome;
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  PLEXOR_TEST_APPLICATION app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("Plexor"));
  QGuiApplication::setApplicationVersion(QStringLiteral("test"));
  QGuiApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
