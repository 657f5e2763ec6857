#pragma once

#include <windows.h>

#include "host/win32/gateway.h"
#include "host/win32/window_longs.h"

namespace classwarden {

// The user32 functions this program binds by name on first call.
inline const host::Win32Function<decltype(::CallWindowProcA)> callWindowProc{"user32", "CallWindowProcA"};

}  // namespace classwarden
