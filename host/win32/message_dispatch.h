#pragma once

#include <windows.h>

namespace host {

// Hands one retrieved message on as every message loop of the runtime does:
// keyboard navigation (Tab, arrows, Enter, Esc) within the window's top-level
// window first, then translation of keys to characters and dispatch.
inline void DispatchRetrieved(MSG& message) {
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root != nullptr && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace host
