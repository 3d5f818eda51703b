#pragma once
// Message boxes and file dialogs behind one interface, so that commands can be run and
// tested without windows. Every question uses the warning icon.
#include <QDir>
#include <QString>
#include <optional>

enum class Answer { Ok, Cancel, Yes, No };

class Prompts {
public:
  virtual ~Prompts() = default;

  // A warning box with an OK button.
  virtual void Warning(const QString& text) = 0;
  virtual Answer AskYesNoCancel(const QString& text) = 0;
  virtual Answer AskOkCancel(const QString& text) = 0;
  virtual Answer AskYesNo(const QString& text) = 0;
  // The program's standard error box for a runtime error.
  virtual void ShowError(const QString& text) = 0;

  // The open dialog: a file name or pattern ("*.net"), the starting folder; the chosen
  // full path, or nothing when the user cancels.
  virtual std::optional<QString> OpenFile(const QString& fileName, const QString& folder) = 0;
  // The save dialog: a proposed file name and starting folder, no filter, no default
  // extension, no question before replacing a file.
  virtual std::optional<QString> SaveFile(const QString& fileName, const QString& folder) = 0;
};

// The folder a file dialog starts in: `folder`, or the current working folder when it is
// empty (a first run knows no data folder yet), so no dialog starts at the file system's
// root, where a bare name could not be written.
inline QString DialogFolder(const QString& folder) { return folder.isEmpty() ? QDir::currentPath() : folder; }
