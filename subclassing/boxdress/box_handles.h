#pragma once

#include "host/win32/bound_handles.h"

namespace boxdress {

// The Cancel button's font and the box's icon, released through the
// DeleteObject and DestroyIcon bound by name.
using BoxFontHandle = host::BoundFont;
using BoxIconHandle = host::BoundIcon;

}  // namespace boxdress
