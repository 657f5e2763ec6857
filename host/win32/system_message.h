#pragma once

#include <windows.h>

#include <string>

namespace host {

// The system's words for an error code or HRESULT, without the trailing line
// break; empty where the system has none.
std::string SystemMessage(DWORD code);

}  // namespace host
