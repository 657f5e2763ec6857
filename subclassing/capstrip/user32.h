#pragma once

#include <windows.h>

#include "host/win32/gateway.h"

namespace capstrip {

// The user32 functions this program binds by name on first call.
inline const host::Win32Function<decltype(::GetSystemMenu)> getSystemMenu{"user32", "GetSystemMenu"};
inline const host::Win32Function<decltype(::GetMenuStringA)> getMenuString{"user32", "GetMenuStringA"};
inline const host::Win32Function<decltype(::ModifyMenuA)> modifyMenu{"user32", "ModifyMenuA"};
inline const host::Win32Function<decltype(::GetWindowLongA)> getWindowLong{"user32", "GetWindowLongA"};
inline const host::Win32Function<decltype(::SetWindowLongA)> setWindowLong{"user32", "SetWindowLongA"};
inline const host::Win32Function<decltype(::SetWindowPos)> setWindowPos{"user32", "SetWindowPos"};

}  // namespace capstrip
