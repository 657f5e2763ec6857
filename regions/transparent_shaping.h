#pragma once

#include <windows.h>

#include "host/runtime/types.h"
#include "host/win32/bound_handles.h"
#include "regions/control_window.h"
#include "regions/region_enums.h"

namespace regions {

// RegionTransparent's persisted values, as a new control starts.
struct TransparentShapeSettings {
  RegionTransparentHow regionMode = RegionTransparentHow::rnEllipse;
  RegionWhatTransparent whatTransparent = RegionWhatTransparent::rwOR;
  host::Long boxRoundedX = 500;
  host::Long boxRoundedY = 500;
  bool operator==(const TransparentShapeSettings&) const = default;
};

// A RegionTransparent: shows its own shape, and at run time cuts that shape
// out of its container together with the other transparent controls there.
// Its first run-time resize contributes the shape to the thread's
// ContainerShapes; its first run-time Show applies the container's collected
// shapes, if no other control has yet.
class TransparentShaping {
 public:
  explicit TransparentShaping(TransparentControl& control) : control_(control) {}
  TransparentShaping(const TransparentShaping&) = delete;
  TransparentShaping& operator=(const TransparentShaping&) = delete;

  const TransparentShapeSettings& Settings() const { return settings_; }
  // Loading stored values rebuilds nothing: the next resize does.
  void Restore(const TransparentShapeSettings& settings) { settings_ = settings; }
  // Design time only: at run time they raise error 383 and store nothing.
  // The shape's own values reshape the control at once.
  void SetRegionMode(RegionTransparentHow mode);
  void SetWhatTransparent(RegionWhatTransparent what);
  void SetBoxRoundedX(host::Long twips);
  void SetBoxRoundedY(host::Long twips);

  // The control's events, after it has raised its own Resize to the host.
  // They run with errors ignored and leave the error state clear.
  void Resize();
  void Show();
  void Terminate();

 private:
  void RequireDesignTime() const;
  void ApplyOwnShape();
  void Contribute();
  // The control's shape in pixels at `offset` from its container's window.
  host::BoundRgn ShapeAt(POINT offset) const;

  TransparentControl& control_;
  TransparentShapeSettings settings_;
  bool shapeContributed_ = false;
  bool shapeApplied_ = false;
};

}  // namespace regions
