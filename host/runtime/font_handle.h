#pragma once

#include <windows.h>

#include "host/runtime/font.h"
#include "host/win32/unique_handle.h"

namespace host {

// The GDI font of a font value at the screen's resolution, and back.
UniqueFont CreateFontHandle(const Font& font);
Font FontFromHandle(HFONT handle);

}  // namespace host
