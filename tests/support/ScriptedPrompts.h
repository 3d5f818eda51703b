#pragma once
// Prompts answered from a script, recording every text shown, so tests drive the message
// boxes and file dialogs as a user would.
#include <QStringList>
#include <deque>

#include "platform/Prompts.h"

class ScriptedPrompts : public Prompts {
public:
  // What the next question answers, and what the next file dialog chooses (nullopt: Cancel).
  std::deque<Answer> Answers;
  std::deque<std::optional<QString>> Files;

  // Every box shown, as "Warning: text", "YesNoCancel: text", "OkCancel: text",
  // "YesNo: text", "Error: text", and every dialog as "Open: name|folder", "Save: name|folder".
  QStringList Shown;

  void Warning(const QString& text) override;
  Answer AskYesNoCancel(const QString& text) override;
  Answer AskOkCancel(const QString& text) override;
  Answer AskYesNo(const QString& text) override;
  void ShowError(const QString& text) override;
  std::optional<QString> OpenFile(const QString& fileName, const QString& folder) override;
  std::optional<QString> SaveFile(const QString& fileName, const QString& folder) override;

private:
  Answer Next(const QString& shown);
  std::optional<QString> NextFile(const QString& shown);
};
