#pragma once

#include <windows.h>

#include "host/win32/gateway.h"
#include "host/win32/window_longs.h"

namespace alertspot {

// The user32 functions this program binds by name on first call.
inline const host::Win32Function<decltype(::GetActiveWindow)> getActiveWindow{"user32", "GetActiveWindow"};
inline const host::Win32Function<decltype(::CallWindowProcA)> callWindowProc{"user32", "CallWindowProcA"};
inline const host::Win32Function<decltype(::GetWindowRect)> getWindowRect{"user32", "GetWindowRect"};
inline const host::Win32Function<decltype(::MoveWindow)> moveWindow{"user32", "MoveWindow"};

}  // namespace alertspot
