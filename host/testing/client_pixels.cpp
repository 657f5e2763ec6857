#include "host/testing/client_pixels.h"

#include <algorithm>

#include "host/win32/dc_scope.h"
#include "host/win32/unique_handle.h"

namespace host::testing {
namespace {

COLORREF ColorOf(std::uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

}  // namespace

ClientPixels::ClientPixels(HWND window) {
  RECT client{};
  if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return;
  width_ = client.right;
  height_ = client.bottom;
  const WindowDC source(window);
  const UniqueDC memory(CreateCompatibleDC(source.dc()));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(source.dc(), width_, height_));
  {
    const SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width_, height_, source.dc(), 0, 0, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS) !=
      height_) {
    pixels_.clear();
    width_ = height_ = 0;
  }
}

COLORREF ClientPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  return ColorOf(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]);
}

int ClientPixels::Count(COLORREF color) const {
  return static_cast<int>(
      std::count_if(pixels_.begin(), pixels_.end(), [color](std::uint32_t pixel) { return ColorOf(pixel) == color; }));
}

}  // namespace host::testing
