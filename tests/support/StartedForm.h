#pragma once
// The main window as after "Start", with the properties dialog it owns, for tests that
// drive both without showing them.
#include <memory>

#include "app/NetHome.h"
#include "dialogs/NetEdit.h"

inline std::unique_ptr<TNetForm> StartedForm(const QString& appDir, Prompts& prompts) {
  auto form = std::make_unique<TNetForm>(appDir, &prompts);
  form->SetEditForm(new TNetEditForm(form.get()));  // the main window owns it
  form->setEnabled(true);
  return form;
}
