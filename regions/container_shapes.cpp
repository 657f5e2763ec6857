#include "regions/container_shapes.h"

#include <algorithm>

#include "host/runtime/resume_next.h"
#include "host/services/screen.h"
#include "regions/region_lists.h"
#include "regions/shape_region.h"
#include "regions/win32_functions.h"

namespace regions {

void ContainerShapeList::Contribute(HWND container, HWND owner, host::Long combineMode,
                                    const std::function<host::BoundRgn()>& buildShape) {
  host::ResumeNext statement;
  bool found = false;
  for (ContainerShapeEntry& entry : entries_) {
    if (entry.container != container) continue;
    found = true;
    statement([&] {
      const host::BoundRgn shape = buildShape();
      win32::combineRgn(entry.shapes.get(), shape.get(), entry.shapes.get(), combineMode);
    });
  }
  if (found || entries_.size() >= kMaxListEntries) return;
  ContainerShapeEntry& entry = entries_.emplace_back();
  entry.container = container;
  entry.owner = owner;
  statement([&] { entry.shapes = buildShape(); });
}

void ContainerShapeList::ApplyTo(HWND container) {
  // A consumed entry's container is null and matches no window.
  const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const ContainerShapeEntry& candidate) {
    return container != nullptr && candidate.container == container;
  });
  if (entry == entries_.end()) return;
  host::ResumeNext statement;
  host::BoundRgn window;
  statement([&] {
    const ShapeBox beyondTheScreen{0, 0, ToSingle(1.2 * host::Screen().Width()),
                                   ToSingle(1.2 * host::Screen().Height())};
    window = CreateShapeRegion(shape::kRectangle, beyondTheScreen, true, nullptr);
  });
  statement([&] { win32::combineRgn(window.get(), window.get(), entry->shapes.get(), RGN_XOR); });
  const HRGN applied = window.get();
  statement([&] {
    if (host::ApplyWindowRegion(container, window, true)) entry->windowRegion = host::RgnView(applied);
  });
  entry->shapes.reset();
  entry->container = nullptr;
}

void ContainerShapeList::ReleaseOwnedBy(HWND owner) {
  for (ContainerShapeEntry& entry : entries_) {
    if (entry.owner != owner) continue;
    entry.shapes.reset();
    entry.windowRegion = {};
    entry.owner = nullptr;
  }
}

ContainerShapeList& ContainerShapes() {
  thread_local ContainerShapeList list;
  return list;
}

}  // namespace regions
