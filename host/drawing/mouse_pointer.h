#pragma once

#include <windows.h>

#include "host/runtime/types.h"

namespace host {

inline constexpr Integer vbDefault = 0;
inline constexpr Integer vbArrow = 1;
inline constexpr Integer vbSizeAll = 15;
inline constexpr Integer vbCustom = 99;

// Error 380 for a pointer other than 0 to 15 and 99.
Integer CheckedMousePointer(Integer pointer);
// The system cursor a standard pointer shows; null for vbDefault (the
// window class's cursor) and vbCustom (the MouseIcon).
HCURSOR StandardCursor(Integer pointer);

}  // namespace host
