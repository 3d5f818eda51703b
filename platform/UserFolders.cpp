#include "platform/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool CanWriteIn(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

QString WithSlash(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

QString SettingsFolder(const QString& programFolder) {
  if (CanWriteIn(programFolder)) return programFolder;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(config);
  return WithSlash(config);
}

QString DataFolder(const QString& programFolder) {
  if (CanWriteIn(programFolder)) return programFolder;
  return WithSlash(QDir::homePath());
}
