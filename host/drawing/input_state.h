#pragma once

#include <windows.h>

#include "host/runtime/types.h"

namespace host {

inline constexpr Integer vbLeftButton = 1;
inline constexpr Integer vbRightButton = 2;
inline constexpr Integer vbMiddleButton = 4;
inline constexpr Integer vbShiftMask = 1;
inline constexpr Integer vbCtrlMask = 2;
inline constexpr Integer vbAltMask = 4;

inline bool KeyHeld(int key) { return GetKeyState(key) < 0; }

// The Button argument of the buttons held in MK_ key flags.
inline Integer ButtonsHeld(WPARAM keys) {
  return static_cast<Integer>(((keys & MK_LBUTTON) != 0 ? vbLeftButton : 0) |
                              ((keys & MK_RBUTTON) != 0 ? vbRightButton : 0) |
                              ((keys & MK_MBUTTON) != 0 ? vbMiddleButton : 0));
}

// The Shift argument of MK_ key flags, which hold Shift and Ctrl; where Alt
// is held comes from the caller (mouse messages do not carry it).
inline Integer ShiftOf(WPARAM keys, bool altHeld) {
  return static_cast<Integer>(((keys & MK_SHIFT) != 0 ? vbShiftMask : 0) | ((keys & MK_CONTROL) != 0 ? vbCtrlMask : 0) |
                              (altHeld ? vbAltMask : 0));
}

}  // namespace host
