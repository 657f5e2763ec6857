#pragma once

#include <windows.h>

#include <vector>

#include "host/com/variant.h"
#include "host/runtime/types.h"
#include "host/win32/bound_handles.h"
#include "regions/control_window.h"
#include "regions/region_enums.h"

namespace regions {

// RegionContainer's persisted shaping values, as a new control starts.
struct ContainerShapeSettings {
  RegionHow regionMode = RegionHow::rnEllipse;
  host::Long boxRoundedX = 500;
  host::Long boxRoundedY = 500;
};

// The shape of a RegionContainer's window: a base shape from RegionMode, or a
// polygon of the points added, combined with the added shapes, each by its
// own mode, and handed to the window by Refresh. Members run with errors
// ignored and leave the error state clear. Coordinates of added points and
// shapes are in the control's scale units.
class ContainerShaping {
 public:
  explicit ContainerShaping(ShapedControl& control) : control_(control) {}
  ContainerShaping(const ContainerShaping&) = delete;
  ContainerShaping& operator=(const ContainerShaping&) = delete;

  // Loading stored values does not refresh; the property writes do.
  const ContainerShapeSettings& Settings() const { return settings_; }
  void Restore(const ContainerShapeSettings& settings) { settings_ = settings; }
  void SetRegionMode(RegionHow mode);
  void SetBoxRoundedX(host::Long twips);
  void SetBoxRoundedY(host::Long twips);

  // Builds and applies the shape; a non-null handle is the host's own region,
  // which the window takes over instead. When no base shape can be built (a
  // polygon without points, a mode outside the enumeration) the window keeps
  // the shape it has.
  void Refresh(HRGN useWindowRegionHandle = nullptr);

  void Add2PolyRegion(host::Single x, host::Single y);
  void ClearPolyRegion(const host::Variant& index = host::Variant::Missing());
  host::Integer AddedPolyCount() const { return static_cast<host::Integer>(polyPoints_.size()); }

  void AddEllipse(host::Single x1, host::Single y1, host::Single x2, host::Single y2, RegionWhat rw = RegionWhat::rOR);
  // A rounded rectangle; xAngle and yAngle (twips) size the corner ellipse.
  void AddRectangle(host::Single x1, host::Single y1, host::Single x2, host::Single y2, RegionWhat rw = RegionWhat::rOR,
                    host::Single xAngle = 0, host::Single yAngle = 0);
  void ClearAddedRegions(const host::Variant& index = host::Variant::Missing());
  host::Integer AddedRegionsCount() const { return static_cast<host::Integer>(addedRegions_.size()); }

  // The control's own copy of the shape last built, for hosts to combine
  // from: Wine deletes a region as soon as SetWindowRgn takes it, so the one
  // the window took cannot be handed out.
  HRGN RegionHandle() const { return shapeCopy_.get(); }

  // Terminate: frees the added shapes and the copy of the last shape.
  void ReleaseRegions();

 private:
  struct AddedRegion {
    host::BoundRgn region;
    host::Long combineMode;
  };

  host::BoundRgn BuildBase() const;
  void AppendRegion(host::BoundRgn region, RegionWhat rw);

  ShapedControl& control_;
  ContainerShapeSettings settings_;
  host::BoundRgn shapeCopy_;
  std::vector<POINT> polyPoints_;
  std::vector<AddedRegion> addedRegions_;
};

}  // namespace regions
