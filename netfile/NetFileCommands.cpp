#include "netfile/NetFileCommands.h"

#include <QDir>
#include <QFileInfo>

#include "model/NetDef.h"
#include "model/Settings.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"

namespace {

QString Absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

bool SameFolder(const QString& a, const QString& b) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  const Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
  const Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
  return QDir::cleanPath(a).compare(QDir::cleanPath(b), sensitivity) == 0;
}

}  // namespace

bool AskToSaveFirst(Prompts& prompts, const QString& question, const std::function<void()>& save) {
  if (!Edited) return true;
  switch (prompts.AskYesNoCancel(question)) {
    case Answer::Cancel: return false;
    case Answer::Yes: save(); return true;
    default: return true;
  }
}

std::optional<QString> ChooseSaveFile(Prompts& prompts) {
  const std::optional<QString> chosen = prompts.SaveFile(NetFileName.Str(), NetworkDataPath.Str());
  if (!chosen) return std::nullopt;
  return Absolute(*chosen);
}

std::optional<QString> ChooseNetFile(Prompts& prompts) {
  const std::optional<QString> chosen = prompts.OpenFile(QStringLiteral("*.net"), NetworkDataPath.Str());
  if (!chosen) return std::nullopt;
  return Absolute(*chosen);
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

void TakeNetFileName(const QString& path) { NetFileName = QFileInfo(path).fileName(); }

QString NetCaption(const QString& path) { return QStringLiteral("Plexor -- ") + path; }
