#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include <string>
#include <string_view>

#include "host/runtime/color.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"

namespace host {

class ContainerObject;
class Form;

// What the container tells its controls about itself.
struct AmbientProperties {
  host::Font Font;
  bool UserMode = true;  // false in a designer
  OleColor BackColor = vbButtonFace;
  OleColor ForeColor = vbButtonText;
  // The control's name as its container shows it.
  std::string DisplayName;
};

// The container's view of a placed control: the members a container adds to
// every control it holds. A container may offer none.
class Extender {
 public:
  virtual ~Extender() = default;
  virtual std::string Name() const = 0;
  virtual Integer Index() const = 0;
  virtual ContainerObject* Container() = 0;
  virtual Form* Parent() = 0;
  virtual Long Left() const = 0;
  virtual Long Top() const = 0;
  virtual Long Width() const = 0;
  virtual Long Height() const = 0;
  virtual void Move(Long left, Long top, Long width, Long height) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// Everything a user control needs from whoever hosts it: a form of this
// program, the design-time host, or an ActiveX container through the
// runtime's server support.
class UserControlSite {
 public:
  virtual ~UserControlSite() = default;
  virtual HWND ContainerWindow() = 0;
  virtual const AmbientProperties& Ambient() const = 0;
  // Null when the container offers no extender.
  virtual host::Extender* Extender() = 0;
  // A property changed: the container saves the control when it saves.
  virtual void PropertyChanged(std::string_view propertyName) = 0;
  // The surface is about to paint, so it is on screen: a container that
  // never told the control it shows it has done so by now.
  virtual void SurfacePainting() {}
  // A point from HIMETRIC to the container's own units (its scale), or back;
  // a position counts from the container's origin, a size does not. A
  // container that cannot tell measures in HIMETRIC, as OLE has it.
  virtual POINTF TransformCoords(POINTF point, bool /*position*/, bool /*toContainer*/) { return point; }
};

}  // namespace host
