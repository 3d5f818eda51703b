#pragma once
// Prompts that answer every question with its refusal and show nothing: the benchmarks
// time the work, not the message boxes.
#include "platform/Prompts.h"

class SilentPrompts : public Prompts {
public:
  void Warning(const QString&) override {}
  Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
  Answer AskOkCancel(const QString&) override { return Answer::Cancel; }
  Answer AskYesNo(const QString&) override { return Answer::No; }
  void ShowError(const QString&) override {}
  std::optional<QString> OpenFile(const QString&, const QString&) override { return std::nullopt; }
  std::optional<QString> SaveFile(const QString&, const QString&) override { return std::nullopt; }
};
