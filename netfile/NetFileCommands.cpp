#include "netfile/NetFileCommands.h"

#include <QDir>
#include <QFileInfo>

#include "model/NetDef.h"
#include "model/Settings.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"

namespace {

// A chosen name made absolute against the folder its dialog showed.
QString AbsoluteIn(const QString& folder, const QString& path) { return QDir(folder).absoluteFilePath(path); }

bool SameFolder(const QString& a, const QString& b) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  const Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
  const Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
  return QDir::cleanPath(a).compare(QDir::cleanPath(b), sensitivity) == 0;
}

}  // namespace

std::optional<QString> ChooseSaveFile(Prompts& prompts, const QString& folder, const QString& fileName) {
  const QString start = DialogFolder(folder);
  const std::optional<QString> chosen = prompts.SaveFile(fileName, start);
  if (!chosen) return std::nullopt;
  return AbsoluteIn(start, *chosen);
}

std::optional<QString> ChooseNetFile(Prompts& prompts) {
  const QString folder = DialogFolder(NetworkDataPath.Str());
  const std::optional<QString> chosen = prompts.OpenFile(QStringLiteral("*.net"), folder);
  if (!chosen) return std::nullopt;
  return AbsoluteIn(folder, *chosen);
}

void FollowNetworkFolder(const QString& path, Prompts& prompts) {
  const QString folder = QDir::cleanPath(QFileInfo(path).absolutePath());
  if (SameFolder(folder, NetworkDataPath.Str())) return;
  NetworkDataPath = folder;
  try {
    WriteNetworkFolder(folder);
  } catch (const RuntimeError& error) {
    // Remembering the folder is a convenience; the file the user chose still loads.
    prompts.ShowError(error.Message());
  }
}
