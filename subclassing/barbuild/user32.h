#pragma once

#include <windows.h>

#include "host/win32/gateway.h"
#include "host/win32/window_longs.h"

namespace barbuild {

// The user32 functions this program binds by name on first call.
inline const host::Win32Function<decltype(::CallWindowProcA)> callWindowProc{"user32", "CallWindowProcA"};
inline const host::Win32Function<decltype(::CreateMenu)> createMenu{"user32", "CreateMenu"};
inline const host::Win32Function<decltype(::CreatePopupMenu)> createPopupMenu{"user32", "CreatePopupMenu"};
inline const host::Win32Function<decltype(::AppendMenuA)> appendMenu{"user32", "AppendMenuA"};
inline const host::Win32Function<decltype(::GetMenu)> getMenu{"user32", "GetMenu"};
inline const host::Win32Function<decltype(::SetMenu)> setMenu{"user32", "SetMenu"};
inline const host::Win32Function<decltype(::DrawMenuBar)> drawMenuBar{"user32", "DrawMenuBar"};

}  // namespace barbuild
