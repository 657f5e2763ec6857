#pragma once

#include <windows.h>

namespace host {

// The module (library or program) whose code this is: a library's runtime
// takes its windows, classes and resources from here, not from the program
// that loaded it.
HMODULE ThisModule();

// What keeps this module loaded: its live COM objects, the class objects it
// handed out and the containers' LockServer locks.
void LockModule() noexcept;
void UnlockModule() noexcept;
bool ModuleLocked() noexcept;

}  // namespace host
