#include "host/drawing/persistent_image.h"

#include <algorithm>

#include "host/runtime/error.h"

namespace host {

PersistentImage::PersistentImage(HDC windowDC, SIZE size, const Painter& background) {
  Resize(windowDC, size, background);
}

void PersistentImage::Resize(HDC windowDC, SIZE size, const Painter& background) {
  // Never smaller, so that shrinking the window loses nothing; never empty,
  // as a bitmap of no pixels is a monochrome one.
  const SIZE made{std::max({size.cx, size_.cx, LONG{1}}), std::max({size.cy, size_.cy, LONG{1}})};
  if (dc_ && made.cx == size_.cx && made.cy == size_.cy) return;
  UniqueBitmap bitmap(CreateCompatibleBitmap(windowDC, made.cx, made.cy));
  UniqueDC dc(CreateCompatibleDC(windowDC));
  if (!bitmap || !dc) throw RuntimeError(error_number::OutOfMemory, "the AutoRedraw bitmap could not be created");
  SelectObject(dc.get(), bitmap.get());
  background(dc.get());
  if (dc_) BitBlt(dc.get(), 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  size_ = made;
}

void PersistentImage::CopyTo(HDC target, const RECT& area) const {
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left, area.top,
         SRCCOPY);
}

}  // namespace host
