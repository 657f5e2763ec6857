#pragma once

#include <windows.h>

#include "host/runtime/types.h"

namespace host {

// Dialog navigation follows the window order among siblings, so a control's
// TabIndex is its place in that order. Intrinsic controls and user control
// surfaces both record their TabIndex on their window, so that each kind is
// placed among the other alike.

// For a new window: goes before the first sibling with a higher TabIndex (the
// description lists controls in drawing order, not tab order).
void PlaceByTabIndex(HWND window, Integer tabIndex);
// For a TabIndex set from code: goes to that place among all its siblings.
void MoveToTabIndex(HWND window, Integer tabIndex);
// Before the window goes.
void ForgetTabIndex(HWND window);

}  // namespace host
