#pragma once
// Runs a handler as an event entry point: a runtime error ends it, and the user reads its
// message in the standard error box.
#include <utility>

#include "platform/Errors.h"
#include "platform/Prompts.h"

template <typename F>
void Guard(Prompts& prompts, F&& handler) {
  try {
    std::forward<F>(handler)();
  } catch (const RuntimeError& error) {
    prompts.ShowError(error.Message());
  }
}
