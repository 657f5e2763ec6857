#pragma once

#include <windows.h>

#include "host/win32/gateway.h"

namespace boxdress {

// The Win32 functions this program binds by name on first call, beside those
// of the placement it shares with alertspot and the releases of host/win32/bound_handles.h.
inline const host::Win32Function<decltype(::GetWindowLongA)> getWindowLong{"user32", "GetWindowLongA"};
inline const host::Win32Function<decltype(::GetWindowRect)> getWindowRect{"user32", "GetWindowRect"};
inline const host::Win32Function<decltype(::GetDlgItem)> getDlgItem{"user32", "GetDlgItem"};
inline const host::Win32Function<decltype(::GetWindow)> getWindow{"user32", "GetWindow"};
inline const host::Win32Function<decltype(::GetClassNameA)> getClassName{"user32", "GetClassNameA"};
inline const host::Win32Function<decltype(::SetWindowTextA)> setWindowText{"user32", "SetWindowTextA"};
inline const host::Win32Function<decltype(::SendMessageA)> sendMessage{"user32", "SendMessageA"};
inline const host::Win32Function<decltype(::LoadImageA)> loadImage{"user32", "LoadImageA"};
inline const host::Win32Function<decltype(::GetObjectA)> getObject{"gdi32", "GetObjectA"};
inline const host::Win32Function<decltype(::CreateFontIndirectA)> createFontIndirect{"gdi32", "CreateFontIndirectA"};

}  // namespace boxdress
