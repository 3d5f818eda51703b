#pragma once
// The one way tests start the main window: as the program creates it (disabled, before
// "Start"), or as after "Start" with the properties dialog it owns, for tests that drive
// both without showing them.
#include <memory>

#include "app/NetHome.h"
#include "dialogs/NetEdit.h"

// prompts: who answers the message boxes and file dialogs; null shows Qt's own.
inline std::unique_ptr<TNetForm> CreatedForm(const QString& appDir, Prompts* prompts) {
  return std::make_unique<TNetForm>(appDir, prompts);
}

inline std::unique_ptr<TNetForm> StartedForm(const QString& appDir, Prompts& prompts) {
  auto form = CreatedForm(appDir, &prompts);
  form->SetEditForm(new TNetEditForm(form.get()));  // the main window owns it
  form->setEnabled(true);
  return form;
}
