#pragma once

#include <windows.h>

#include "host/runtime/resume_next.h"
#include "host/win32/unique_handle.h"
#include "subclassing/boxdress/win32_functions.h"

namespace boxdress {

// Owning handles released through the functions bound by name; a release
// that cannot be bound is skipped, as every statement of the module is.
struct GatewayFontTraits {
  static HFONT Invalid() { return nullptr; }
  static void Close(HFONT font) {
    host::ResumeNext()([&] { deleteObject(font); });
  }
};
struct GatewayIconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON icon) {
    host::ResumeNext()([&] { destroyIcon(icon); });
  }
};

using BoxFontHandle = host::UniqueHandle<HFONT, GatewayFontTraits>;
using BoxIconHandle = host::UniqueHandle<HICON, GatewayIconTraits>;

}  // namespace boxdress
