#pragma once
// Prompts shown with Qt's own message boxes and file dialogs (not the native ones, so
// that tests and remote sessions behave the same). Each opens over the program's window in
// front: the one modal, else one kept on top, else the active one, else the given parent.
#include "platform/Prompts.h"

class QWidget;

class QtPrompts : public Prompts {
public:
  explicit QtPrompts(QWidget* parent) : parent_(parent) {}

  void Warning(const QString& text) override;
  Answer AskYesNoCancel(const QString& text) override;
  Answer AskOkCancel(const QString& text) override;
  Answer AskYesNo(const QString& text) override;
  void ShowError(const QString& text) override;
  std::optional<QString> OpenFile(const QString& fileName, const QString& folder) override;
  std::optional<QString> SaveFile(const QString& fileName, const QString& folder) override;

private:
  QWidget* parent_ = nullptr;
};
