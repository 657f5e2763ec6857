#pragma once

#include <windows.h>

#include "subclassing/boxdress/box_handles.h"

namespace boxdress {

// Message box items by identifier.
inline constexpr int kYesButton = 6;
inline constexpr int kNoButton = 7;
inline constexpr int kCancelButton = 2;

// Renames the Yes, No and Cancel buttons (each only where the box has it) and
// gives Cancel a heavy italic copy of its font, kept in `font`.
void DressButtons(HWND box, BoxFontHandle& font);
// Shows the animated icon from GLOBE.ANI in the box's icon static, kept in
// `icon`; the box keeps its own icon when there is no static or no file.
void DressIcon(HWND box, BoxIconHandle& icon);

}  // namespace boxdress
