#pragma once

#include <windows.h>

#include "host/runtime/types.h"

namespace host {

inline constexpr OleColor vbBlack = 0x000000;
inline constexpr OleColor vbWhite = 0xFFFFFF;
inline constexpr OleColor vbButtonFace = 0x8000000F;
inline constexpr OleColor vbButtonText = 0x80000012;
inline constexpr OleColor vbWindowBackground = 0x80000005;
inline constexpr OleColor vbWindowText = 0x80000008;

constexpr bool IsSystemColor(OleColor color) { return (color & 0x80000000u) != 0; }

// The RGB value to draw with: system colours resolved through GetSysColor.
COLORREF TranslateColor(OleColor color);

}  // namespace host
