#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

Answer ScriptedPrompts::Next(const QString& shown) {
  Shown.append(shown);
  if (Answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << shown.toStdString();
    return Answer::Cancel;
  }
  const Answer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::optional<QString> ScriptedPrompts::NextFile(const QString& shown) {
  Shown.append(shown);
  if (Files.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << shown.toStdString();
    return std::nullopt;
  }
  const bool chosen = Files.front().has_value();
  const QString file = chosen ? *Files.front() : QString();
  Files.pop_front();
  if (!chosen) return std::nullopt;
  return file;
}

void ScriptedPrompts::Warning(const QString& text) { Shown.append("Warning: " + text); }
Answer ScriptedPrompts::AskYesNoCancel(const QString& text) { return Next("YesNoCancel: " + text); }
Answer ScriptedPrompts::AskOkCancel(const QString& text) { return Next("OkCancel: " + text); }
Answer ScriptedPrompts::AskYesNo(const QString& text) { return Next("YesNo: " + text); }
void ScriptedPrompts::ShowError(const QString& text) { Shown.append("Error: " + text); }

std::optional<QString> ScriptedPrompts::OpenFile(const QString& fileName, const QString& folder) {
  return NextFile("Open: " + fileName + "|" + folder);
}

std::optional<QString> ScriptedPrompts::SaveFile(const QString& fileName, const QString& folder) {
  return NextFile("Save: " + fileName + "|" + folder);
}
