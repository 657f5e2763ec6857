#pragma once

#include <functional>

namespace host {

class Form;

// Runs a program that starts with its start-up form, or with a start-up
// routine; returns when the last form has unloaded or End was called.
int Run(Form& startupForm);
int Run(const std::function<void()>& startupRoutine);

// Ends the program: every form goes without QueryUnload or Unload events,
// and Run returns once the running handler has returned.
void End();

}  // namespace host
