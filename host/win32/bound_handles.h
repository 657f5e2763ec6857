#pragma once

#include <windows.h>

#include "host/win32/unique_handle.h"

namespace host {

// Owning handles released through the gateway, for programs whose Win32 calls
// are all bound by name at first call. A release that cannot be bound is
// skipped, as a statement in resume-next mode is.
namespace bound_release {

struct Window {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND window);
};
struct Icon {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON icon);
};
struct Font {
  static HFONT Invalid() { return nullptr; }
  static void Close(HFONT font);
};
struct Menu {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU menu);
};
struct KernelHandle {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE handle);
};
struct Region {
  static HRGN Invalid() { return nullptr; }
  static void Close(HRGN region);
};

}  // namespace bound_release

using BoundWindow = UniqueHandle<HWND, bound_release::Window>;
using BoundIcon = UniqueHandle<HICON, bound_release::Icon>;
using BoundFont = UniqueHandle<HFONT, bound_release::Font>;
using BoundMenu = UniqueHandle<HMENU, bound_release::Menu>;
using BoundKernelHandle = UniqueHandle<HANDLE, bound_release::KernelHandle>;
using BoundRgn = UniqueHandle<HRGN, bound_release::Region>;

// SetWindowRgn bound by name: the region passes to the window only when the
// call succeeds; on failure `region` still holds it, for its owner to keep
// (a control whose region may be applied again later) or to free.
bool ApplyWindowRegion(HWND window, BoundRgn& region, bool redraw);

}  // namespace host
