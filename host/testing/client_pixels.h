#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace host::testing {

// A copy of what a window's client area shows at the moment it is taken, read
// from the window's own device context.
class ClientPixels {
 public:
  explicit ClientPixels(HWND window);

  // CLR_INVALID outside the client area.
  COLORREF At(int x, int y) const;
  // How many pixels show exactly this colour.
  int Count(COLORREF color) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace host::testing
