#pragma once
// Prompts for a run with no one to answer (the command-line tool, benchmarks, fuzzing):
// every question gets its refusal, every file dialog is cancelled, and what would be shown
// is dropped unless a subclass says where it goes.
#include "platform/Prompts.h"

class RefusingPrompts : public Prompts {
public:
  void Warning(const QString&) override {}
  Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
  Answer AskOkCancel(const QString&) override { return Answer::Cancel; }
  Answer AskYesNo(const QString&) override { return Answer::No; }
  void ShowError(const QString&) override {}
  std::optional<QString> OpenFile(const QString&, const QString&) override { return std::nullopt; }
  std::optional<QString> SaveFile(const QString&, const QString&) override { return std::nullopt; }
};
