#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include "host/com/com_ptr.h"
#include "host/runtime/types.h"

namespace regions {

// What the region controls need of the user control they shape, so that the
// shaping does not depend on how the control is served.
class ControlWindow {
 public:
  virtual HWND hWnd() const = 0;
  // The control's outer size in twips.
  virtual host::Long Width() const = 0;
  virtual host::Long Height() const = 0;

 protected:
  ~ControlWindow() = default;
};

// RegionContainer's control.
class ShapedControl : public ControlWindow {
 public:
  // The control's inner scale, for polygon points.
  virtual host::Single ScaleWidth() const = 0;
  virtual host::Single ScaleHeight() const = 0;
  // The control as its host sees it (its extender), read by name for the
  // scale of added shapes: WidthInTwips, ScaleWidth, HeightInTwips,
  // ScaleHeight. Null takes added shapes' coordinates as twips.
  virtual host::ComPtr<IDispatch> ScaleSource() const = 0;

 protected:
  ~ShapedControl() = default;
};

// RegionTransparent's control.
class TransparentControl : public ControlWindow {
 public:
  // The ambient UserMode: false in a designer.
  virtual bool UserMode() const = 0;
  // The window of the control's container (Container.hWnd through the
  // extender), null when it has none yet; may raise the read's error.
  virtual HWND ContainerWindow() const = 0;

 protected:
  ~TransparentControl() = default;
};

}  // namespace regions
