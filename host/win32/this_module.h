#pragma once

#include <windows.h>

#include <string>

namespace host {

// The module (program or library) whose code this is. A runtime linked into
// a control library takes its windows, classes and resources from the
// library, not from the program that loaded it.
HMODULE ThisModule();
// Its file's full path.
std::wstring ThisModuleFileName();

}  // namespace host
