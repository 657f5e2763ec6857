#include "regions/transparent_shaping.h"

#include "host/runtime/error.h"
#include "host/runtime/numeric.h"
#include "host/services/screen.h"
#include "regions/container_shapes.h"
#include "regions/errors_ignored.h"
#include "regions/shape_region.h"
#include "regions/win32_functions.h"

namespace regions {

using host::Long;
using host::Single;

void TransparentShaping::RequireDesignTime() const {
  if (control_.UserMode()) throw host::RuntimeError(host::error_number::PropertyReadOnly);
}

void TransparentShaping::SetRegionMode(RegionTransparentHow mode) {
  RequireDesignTime();
  settings_.regionMode = mode;
  ApplyOwnShape();
}

void TransparentShaping::SetWhatTransparent(RegionWhatTransparent what) {
  RequireDesignTime();
  settings_.whatTransparent = what;
}

void TransparentShaping::SetBoxRoundedX(Long twips) {
  RequireDesignTime();
  settings_.boxRoundedX = twips;
  ApplyOwnShape();
}

void TransparentShaping::SetBoxRoundedY(Long twips) {
  RequireDesignTime();
  settings_.boxRoundedY = twips;
  ApplyOwnShape();
}

// No shape (a mode outside the enumeration) makes the window rectangular.
void TransparentShaping::ApplyOwnShape() {
  const ShapeBox box{0,
                     0,
                     static_cast<Single>(control_.Width()),
                     static_cast<Single>(control_.Height()),
                     static_cast<Single>(settings_.boxRoundedX),
                     static_cast<Single>(settings_.boxRoundedY)};
  host::BoundRgn shape = CreateShapeRegion(host::CInt(static_cast<Long>(settings_.regionMode)), box, true, nullptr);
  host::ApplyWindowRegion(control_.hWnd(), shape, true);
}

host::BoundRgn TransparentShaping::ShapeAt(POINT offset) const {
  const Long tx = host::Screen().TwipsPerPixelX();
  const Long ty = host::Screen().TwipsPerPixelY();
  const ShapeBox box{static_cast<Single>(offset.x),
                     static_cast<Single>(offset.y),
                     ToSingle(Quotient(control_.Width(), tx) + offset.x),
                     ToSingle(Quotient(control_.Height(), ty) + offset.y),
                     ToSingle(Quotient(settings_.boxRoundedX, tx)),
                     ToSingle(Quotient(settings_.boxRoundedY, ty))};
  return CreateShapeRegion(host::CInt(static_cast<Long>(settings_.regionMode)), box, false, nullptr);
}

void TransparentShaping::Resize() {
  ErrorsIgnored statement;
  statement([&] { ApplyOwnShape(); });
  if (shapeContributed_ || !control_.UserMode()) return;
  Contribute();
}

// Only once, and only where a container window exists: a later resize tries again.
void TransparentShaping::Contribute() {
  ErrorsIgnored statement;
  HWND container = nullptr;
  statement([&] { container = control_.ContainerWindow(); });
  if (container == nullptr) return;
  RECT containerRect{};
  RECT ownRect{};
  statement([&] { win32::getWindowRect(container, &containerRect); });
  statement([&] { win32::getWindowRect(control_.hWnd(), &ownRect); });
  // From the container's window origin, title bar and borders included.
  const POINT offset{ownRect.left - containerRect.left, ownRect.top - containerRect.top};
  Long combineMode = RGN_OR;
  statement([&] { combineMode = TransparentCombineMode(host::CInt(static_cast<Long>(settings_.whatTransparent))); });
  ContainerShapes().Contribute(container, control_.hWnd(), combineMode, [&] { return ShapeAt(offset); });
  shapeContributed_ = true;
}

void TransparentShaping::Show() {
  ErrorsIgnored statement;
  if (!control_.UserMode()) return;
  HWND container = nullptr;
  statement([&] { container = control_.ContainerWindow(); });
  if (ContainerShapes().Empty() || shapeApplied_) return;
  statement([&] { ContainerShapes().ApplyTo(container); });
  shapeApplied_ = true;
}

void TransparentShaping::Terminate() {
  ErrorsIgnored statement;
  statement([&] { ContainerShapes().ReleaseOwnedBy(control_.hWnd()); });
}

}  // namespace regions
