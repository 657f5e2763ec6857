#pragma once

#include <windows.h>

namespace host {

// A child window's rectangle in its parent's client coordinates, in pixels.
inline RECT RectInParent(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

}  // namespace host
