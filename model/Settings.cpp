#include "model/Settings.h"

#include <QFile>

#include "model/NetDef.h"
#include "platform/Errors.h"
#include "platform/ProfileFile.h"
#include "platform/StrToInt.h"
#include "platform/UserFolders.h"

namespace {

// A value that is no integer falls back to the key's default, keeping the start intact.
int ReadInt(const ProfileFile& ini, const QString& section, const QString& key, int fallback) {
  int value = 0;
  return TryStrToInt(ini.ReadString(section, key, QString::number(fallback)), value) ? value
                                                                                    : fallback;
}

void CreateFirstStartFile(const QString& path) {
  const QByteArray a = DataFolder(AppDir.Str()).toUtf8();
  const QByteArray text = "[NetWork]\r\nNetworkDataPath = " + a + "\r\n[ZEP]\r\nUserDataPath = " + a +
                          "\r\nLibDataPath = " + a + "\r\nBuiltDataPath = " + a + "\r\n";
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
    throw EInOutError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}

}  // namespace

// Beside the program while its folder can be written, else in the user's configuration folder.
QString SettingsPath() { return SettingsFolder(AppDir.Str()) + QStringLiteral("Net.ini"); }

void ReadSettingsAtCreation() {
  const QString path = SettingsPath();
  if (!QFile::exists(path)) {
    CreateFirstStartFile(path);
    return;
  }
  const ProfileFile ini(path);
  const QString dir = DataFolder(AppDir.Str());
  NetworkDataPath = ini.ReadString(QStringLiteral("Network"), QStringLiteral("NetworkDataPath"), dir);
  UserDataPath = ini.ReadString(QStringLiteral("ZEP"), QStringLiteral("UserDataPath"), dir);
  LibDataPath = ini.ReadString(QStringLiteral("ZEP"), QStringLiteral("LibDataPath"), dir);
  BuiltDataPath = ini.ReadString(QStringLiteral("ZEP"), QStringLiteral("BuiltDataPath"), dir);
  // A scale outside 1..6 cannot be drawn; the default keeps the start intact.
  const int scale = ReadInt(ini, QStringLiteral("Canvas"), QStringLiteral("Scale"), 2);
  Scale = (scale >= 1 && scale <= 6) ? scale : 2;
}

WindowGeometry ReadWindowPosition(const WindowGeometry& current) {
  const ProfileFile ini(SettingsPath());
  const QString section = QStringLiteral("Position");
  WindowGeometry g;
  g.Left = ReadInt(ini, section, QStringLiteral("Left"), current.Left);
  g.Top = ReadInt(ini, section, QStringLiteral("Top"), current.Top);
  g.Width = ReadInt(ini, section, QStringLiteral("Width"), 960);
  g.Height = ReadInt(ini, section, QStringLiteral("Height"), 720);
  return g;
}

void WriteSettingsAtEnd(const WindowGeometry& g) {
  const ProfileFile ini(SettingsPath());
  const QString section = QStringLiteral("Position");
  ini.WriteString(section, QStringLiteral("Left"), QString::number(g.Left));
  ini.WriteString(section, QStringLiteral("Top"), QString::number(g.Top));
  ini.WriteString(section, QStringLiteral("Width"), QString::number(g.Width));
  ini.WriteString(section, QStringLiteral("Height"), QString::number(g.Height));
  ini.WriteString(QStringLiteral("Canvas"), QStringLiteral("Scale"), QString::number(Scale));
}

void WriteNetworkFolder(const QString& folder) {
  ProfileFile(SettingsPath())
      .WriteString(QStringLiteral("Network"), QStringLiteral("NetworkDataPath"), folder);
}
