#include "host/drawing/drawing_surface.h"

#include <cmath>
#include <utility>

#include "host/drawing/mouse_pointer.h"
#include "host/drawing/picture.h"
#include "host/forms/menu.h"
#include "host/runtime/error.h"

namespace host {

void DrawingSurface::Attach(HWND window) {
  window_ = window;
  ownDC_ = GetDC(window);
}

void DrawingSurface::Detach() {
  if (window_ == nullptr) return;
  image_.reset();
  ReleaseDC(window_, std::exchange(ownDC_, nullptr));
  window_ = nullptr;
}

HDC DrawingSurface::hDC() const { return autoRedraw_ && image_ ? image_->dc() : ownDC_; }

void DrawingSurface::SetBackColor(OleColor color) {
  backColor_ = CheckedColor(color);
  backBrush_.reset();
  if (image_) PaintBackground(image_->dc());
  Repaint();
}

void DrawingSurface::SetForeColor(OleColor color) { foreColor_ = CheckedColor(color); }

void DrawingSurface::SetBackStyle(Integer style) {
  if (style != vbTransparent && style != vbOpaque) throw RuntimeError(error_number::InvalidPropertyValue);
  backStyle_ = style;
  Repaint();
}

void DrawingSurface::SetFontName(std::string_view name) {
  ChangeFont([&](host::Font& font) { font.Name = name; });
}

void DrawingSurface::SetFontSize(Single size) {
  if (!(size > 0 && size <= 2160)) throw RuntimeError(error_number::InvalidPropertyValue);
  ChangeFont([&](host::Font& font) { font.Size = size; });
}

void DrawingSurface::SetFontBold(bool bold) {
  ChangeFont([&](host::Font& font) { font.Bold = bold; });
}

void DrawingSurface::SetFontItalic(bool italic) {
  ChangeFont([&](host::Font& font) { font.Italic = italic; });
}

void DrawingSurface::SetFontUnderline(bool underline) {
  ChangeFont([&](host::Font& font) { font.Underline = underline; });
}

void DrawingSurface::SetFontStrikethru(bool strikethru) {
  ChangeFont([&](host::Font& font) { font.Strikethrough = strikethru; });
}

void DrawingSurface::SetPicture(IPictureDisp* picture) {
  backgroundPicture_ = picture != nullptr ? CheckedPicture(picture) : nullptr;
  picture_ = picture;
  if (image_) PaintBackground(image_->dc());
  Repaint();
}

void DrawingSurface::SetMaskPicture(IPictureDisp* picture) {
  if (picture != nullptr) CheckedPicture(picture);
  maskPicture_ = picture;
}

void DrawingSurface::SetMousePointer(Integer pointer) { mousePointer_ = CheckedMousePointer(pointer); }

void DrawingSurface::SetMouseIcon(IPictureDisp* icon) {
  mouseCursor_ = icon != nullptr ? CheckedIconOf(icon) : nullptr;
  mouseIcon_ = icon;
}

// 0 halftone, 1 z-order, 2 custom, 3 container, 4 none, 5 object.
void DrawingSurface::SetPaletteMode(Integer mode) {
  if (mode < 0 || mode > 5) throw RuntimeError(error_number::InvalidPropertyValue);
  paletteMode_ = mode;
}

SIZE DrawingSurface::ClientSize() const {
  RECT client{};
  GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

Single DrawingSurface::XFromPixel(int x) const {
  return scale_.Left() + static_cast<Single>(scale_.FromPixelsX(x, ClientSize()));
}

Single DrawingSurface::YFromPixel(int y) const {
  return scale_.Top() + static_cast<Single>(scale_.FromPixelsY(y, ClientSize()));
}

Single DrawingSurface::ScaleX(Single width, std::optional<Integer> fromScale, std::optional<Integer> toScale) const {
  return static_cast<Single>(
      scale_.ConvertX(width, fromScale.value_or(vbHimetric), toScale.value_or(scale_.Mode()), ClientSize()));
}

Single DrawingSurface::ScaleY(Single height, std::optional<Integer> fromScale, std::optional<Integer> toScale) const {
  return static_cast<Single>(
      scale_.ConvertY(height, fromScale.value_or(vbHimetric), toScale.value_or(scale_.Mode()), ClientSize()));
}

void DrawingSurface::SetAutoRedraw(bool autoRedraw) {
  if (autoRedraw && !image_) {
    image_ = std::make_unique<PersistentImage>(ownDC_, ClientSize(), [this](HDC dc) { PaintBackground(dc); });
  }
  autoRedraw_ = autoRedraw;
}

ComPtr<IPictureDisp> DrawingSurface::Image() const {
  if (image_) return SnapshotPicture(image_->dc(), ClientSize());
  return SnapshotPicture(ownDC_, ClientSize());
}

Long DrawingSurface::ControlsCount() const {
  Long count = 0;
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

HWND DrawingSurface::Controls(Long index) const {
  HWND child = index >= 0 ? GetWindow(window_, GW_CHILD) : nullptr;
  for (Long at = 0; child != nullptr && at < index; ++at) child = GetWindow(child, GW_HWNDNEXT);
  if (child == nullptr) throw RuntimeError(error_number::SubscriptOutOfRange);
  return child;
}

void DrawingSurface::PopupMenu(HMENU menu, std::optional<Long> flags, std::optional<Single> x,
                               std::optional<Single> y) {
  if (menu == nullptr || !IsMenu(menu)) throw RuntimeError(error_number::InvalidCall);
  POINT at{};
  GetCursorPos(&at);
  if (x || y) {
    POINT placed = PixelPoint(x.value_or(currentX_), y.value_or(currentY_));
    ClientToScreen(window_, &placed);
    if (x) at.x = placed.x;
    if (y) at.y = placed.y;
  }
  const HWND owner = GetAncestor(window_, GA_ROOT);
  // A pop-up only closes on a click elsewhere when its owner is in front.
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, static_cast<UINT>(flags.value_or(0)), at.x, at.y, 0, owner, nullptr);
}

void DrawingSurface::PopupMenu(const Menu& menu, std::optional<Long> flags, std::optional<Single> x,
                               std::optional<Single> y) {
  PopupMenu(menu.SubMenu(), flags, x, y);
}

// Without AutoRedraw, a bitmap kept from drawing with it earlier is the
// background. With AutoRedraw the paint copies the whole bitmap: erasing
// first would only flicker.
LRESULT DrawingSurface::EraseBackground(HDC dc) {
  if (autoRedraw_) return 1;
  if (image_) {
    image_->CopyTo(dc, RECT{0, 0, image_->size().cx, image_->size().cy});
  } else {
    PaintBackground(dc);
  }
  return 1;
}

bool DrawingSurface::PaintPersistent(HDC dc, const RECT& area) const {
  if (!autoRedraw_ || !image_) return false;
  image_->CopyTo(dc, area);
  return true;
}

void DrawingSurface::Resized() {
  if (image_) image_->Resize(ownDC_, ClientSize(), [this](HDC dc) { PaintBackground(dc); });
}

bool DrawingSurface::SetCursorForHit(LPARAM hitAndMessage) const {
  if (LOWORD(hitAndMessage) != HTCLIENT || mousePointer_ == vbDefault) return false;
  if (mousePointer_ == vbCustom) {
    if (mouseCursor_ == nullptr) return false;
    SetCursor(mouseCursor_);
    return true;
  }
  SetCursor(StandardCursor(mousePointer_));
  return true;
}

// The back colour unless transparent, then the picture at the top-left.
void DrawingSurface::PaintBackground(HDC dc) {
  if (backStyle_ == vbOpaque) {
    if (!backBrush_) backBrush_.reset(CreateSolidBrush(TranslateColor(backColor_)));
    const RECT client{0, 0, ClientSize().cx, ClientSize().cy};
    FillRect(dc, &client, backBrush_.get());
  }
  if (backgroundPicture_) {
    const SIZE size = PictureSizeInPixels(*backgroundPicture_.Get());
    const PixelArea whole{0, 0, size.cx, size.cy};
    DrawPicture(dc, *backgroundPicture_.Get(), whole, whole, SRCCOPY);
  }
}

// Now, so that what is drawn next is not erased by a paint still pending.
// Neither touches other windows while the surface has none (a null window
// would stand for the whole screen).
void DrawingSurface::Repaint() const {
  if (window_ != nullptr) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void DrawingSurface::Drawn() const {
  if (autoRedraw_ && window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

POINT DrawingSurface::PixelPoint(Single x, Single y) const {
  const SIZE client = ClientSize();
  return {static_cast<LONG>(std::lround(scale_.ToPixelsX(x - scale_.Left(), client))),
          static_cast<LONG>(std::lround(scale_.ToPixelsY(y - scale_.Top(), client)))};
}

}  // namespace host
