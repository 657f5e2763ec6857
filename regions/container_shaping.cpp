#include "regions/container_shaping.h"

#include <utility>

#include "host/runtime/numeric.h"
#include "host/services/screen.h"
#include "regions/errors_ignored.h"
#include "regions/region_lists.h"
#include "regions/shape_region.h"
#include "regions/win32_functions.h"

namespace regions {

using host::Integer;
using host::Long;
using host::Single;

void ContainerShaping::SetRegionMode(RegionHow mode) {
  settings_.regionMode = mode;
  Refresh();
}

void ContainerShaping::SetBoxRoundedX(Long twips) {
  settings_.boxRoundedX = twips;
  Refresh();
}

void ContainerShaping::SetBoxRoundedY(Long twips) {
  settings_.boxRoundedY = twips;
  Refresh();
}

host::BoundRgn ContainerShaping::BuildBase() const {
  ShapeBox box{0, 0, static_cast<Single>(control_.Width()), static_cast<Single>(control_.Height())};
  switch (settings_.regionMode) {
    case RegionHow::rnEllipse:
      return CreateShapeRegion(shape::kEllipse, box, true, nullptr);
    case RegionHow::rnBlock:
      return CreateShapeRegion(shape::kRectangle, box, true, nullptr);
    case RegionHow::rnBlockRounded:
      box.roundX = static_cast<Single>(settings_.boxRoundedX);
      box.roundY = static_cast<Single>(settings_.boxRoundedY);
      return CreateShapeRegion(shape::kRoundedRectangle, box, true, nullptr);
    case RegionHow::rnPolygon:
      if (polyPoints_.empty()) return {};
      return host::BoundRgn(
          win32::createPolygonRgn(polyPoints_.data(), static_cast<int>(polyPoints_.size()), ALTERNATE));
    default:
      return {};
  }
}

void ContainerShaping::Refresh(HRGN useWindowRegionHandle) {
  ErrorsIgnored statement;
  const HWND window = control_.hWnd();
  if (useWindowRegionHandle != nullptr) {
    // The host's region, never ours: the window takes it, RegionHandle stays.
    statement([&] { win32::setWindowRgn(window, useWindowRegionHandle, TRUE); });
    return;
  }
  host::BoundRgn shape;
  statement([&] { shape = BuildBase(); });
  // Without a new base the only region left is the window's own, which is
  // neither combined into nor applied again.
  if (!shape) return;
  for (const AddedRegion& added : addedRegions_) {
    statement([&] { win32::combineRgn(shape.get(), shape.get(), added.region.get(), added.combineMode); });
  }
  statement([&] {
    host::BoundRgn copy(win32::createRectRgn(0, 0, 0, 0));
    if (copy && win32::combineRgn(copy.get(), shape.get(), nullptr, RGN_COPY) != ERROR) shapeCopy_ = std::move(copy);
  });
  // A shape the window refuses is the control's still, and freed here.
  statement([&] { host::ApplyWindowRegion(window, shape, true); });
}

void ContainerShaping::Add2PolyRegion(Single x, Single y) {
  ErrorsIgnored statement;
  if (polyPoints_.size() >= kMaxListEntries) return;
  // Converted now: a later change of the scale leaves the point where it is.
  POINT& point = polyPoints_.emplace_back(POINT{0, 0});
  statement([&] {
    point.x =
        host::CLng(PixelsPerScaleUnit(control_.Width(), host::Screen().TwipsPerPixelX(), control_.ScaleWidth()) * x);
  });
  statement([&] {
    point.y =
        host::CLng(PixelsPerScaleUnit(control_.Height(), host::Screen().TwipsPerPixelY(), control_.ScaleHeight()) * y);
  });
}

void ContainerShaping::ClearPolyRegion(const host::Variant& index) {
  ErrorsIgnored statement;
  statement([&] { RemoveEntries(polyPoints_, index); });
}

void ContainerShaping::AddEllipse(Single x1, Single y1, Single x2, Single y2, RegionWhat rw) {
  ErrorsIgnored statement;
  statement([&] {
    AppendRegion(CreateShapeRegion(shape::kEllipse, {x1, y1, x2, y2}, true, control_.ScaleSource().Get()), rw);
  });
}

void ContainerShaping::AddRectangle(Single x1, Single y1, Single x2, Single y2, RegionWhat rw, Single xAngle,
                                    Single yAngle) {
  ErrorsIgnored statement;
  statement([&] {
    const ShapeBox box{x1, y1, x2, y2, xAngle, yAngle};
    AppendRegion(CreateShapeRegion(shape::kRoundedRectangle, box, true, control_.ScaleSource().Get()), rw);
  });
}

void ContainerShaping::AppendRegion(host::BoundRgn region, RegionWhat rw) {
  // A shape that failed is not listed; one past the list's limit is freed.
  if (!region || addedRegions_.size() >= kMaxListEntries) return;
  addedRegions_.push_back({std::move(region), CombineModeOf(rw)});
}

void ContainerShaping::ClearAddedRegions(const host::Variant& index) {
  ErrorsIgnored statement;
  statement([&] { RemoveEntries(addedRegions_, index); });
}

void ContainerShaping::ReleaseRegions() {
  shapeCopy_.reset();
  addedRegions_.clear();
}

}  // namespace regions
