#pragma once

namespace host {

// What keeps this module loaded: its live COM objects, the class objects it
// handed out and the containers' LockServer locks.
void LockModule() noexcept;
void UnlockModule() noexcept;
bool ModuleLocked() noexcept;

}  // namespace host
