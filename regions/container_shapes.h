#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "host/runtime/types.h"
#include "host/win32/bound_handles.h"
#include "host/win32/unique_handle.h"

namespace regions {

// One container's holes: the shapes its RegionTransparent controls cut out
// of it, in pixels from the container's window rectangle.
struct ContainerShapeEntry {
  // Null once the entry has been applied.
  HWND container = nullptr;
  // The region handed to the container window; the window owns it.
  host::RgnView windowRegion;
  // Owned by the list until the entry is applied or its owner terminates.
  host::BoundRgn shapes;
  // The control whose resize created the entry.
  HWND owner = nullptr;
};

// ContainerShapes: the entries of every container on one thread, shared by
// all RegionTransparent controls there. Entries are never removed.
class ContainerShapeList {
 public:
  // Combines a shape, built anew for every entry of `container` by
  // buildShape, into each such entry with `combineMode` (the new shape first,
  // the collected ones second); with no entry yet, starts one holding just
  // that shape. Failing statements are skipped, their errors recorded.
  void Contribute(HWND container, HWND owner, host::Long combineMode,
                  const std::function<host::BoundRgn()>& buildShape);
  // Gives the first entry of `container` to that window: a rectangle larger
  // than the screen with the collected shapes cut out. The entry is consumed.
  void ApplyTo(HWND container);
  // Frees the collected shapes of the entries `owner` created and forgets
  // their window regions (their windows own them).
  void ReleaseOwnedBy(HWND owner);

  bool Empty() const { return entries_.empty(); }
  const std::vector<ContainerShapeEntry>& Entries() const { return entries_; }

 private:
  std::vector<ContainerShapeEntry> entries_;
};

// The calling thread's list.
ContainerShapeList& ContainerShapes();

}  // namespace regions
