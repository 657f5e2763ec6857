#pragma once

#include <windows.h>

#include <functional>

#include "host/win32/unique_handle.h"

namespace host {

// The memory bitmap behind AutoRedraw: the surface's drawings land here and
// the window shows them by copying, so they survive being covered.
class PersistentImage {
 public:
  using Painter = std::function<void(HDC)>;
  // A bitmap like the window's of `size` pixels, painted by `background`.
  PersistentImage(HDC windowDC, SIZE size, const Painter& background);

  HDC dc() const { return dc_.get(); }
  SIZE size() const { return size_; }
  // Grows to cover the size, keeping what was drawn at the top-left; the new
  // area gets the background. It never shrinks.
  void Resize(HDC windowDC, SIZE size, const Painter& background);
  void CopyTo(HDC target, const RECT& area) const;

 private:
  // Declared before the DC so that the DC, which holds it selected, goes first.
  UniqueBitmap bitmap_;
  UniqueDC dc_;
  SIZE size_{};
};

}  // namespace host
