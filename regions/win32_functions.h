#pragma once

#include <windows.h>

#include "host/win32/gateway.h"

// The Win32 functions the region library calls, bound by name on first call.
// DeleteObject comes with host::BoundRgn; a region of our own goes to a window
// through host::ApplyWindowRegion, a host's region straight through setWindowRgn.
namespace regions::win32 {

inline const host::Win32Function<decltype(::CombineRgn)> combineRgn{"gdi32", "CombineRgn"};
inline const host::Win32Function<decltype(::CreateEllipticRgn)> createEllipticRgn{"gdi32", "CreateEllipticRgn"};
inline const host::Win32Function<decltype(::CreatePolygonRgn)> createPolygonRgn{"gdi32", "CreatePolygonRgn"};
inline const host::Win32Function<decltype(::CreateRectRgn)> createRectRgn{"gdi32", "CreateRectRgn"};
inline const host::Win32Function<decltype(::CreateRoundRectRgn)> createRoundRectRgn{"gdi32", "CreateRoundRectRgn"};
inline const host::Win32Function<decltype(::GetWindowRect)> getWindowRect{"user32", "GetWindowRect"};
inline const host::Win32Function<decltype(::SetWindowRgn)> setWindowRgn{"user32", "SetWindowRgn"};

}  // namespace regions::win32
