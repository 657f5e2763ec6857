#pragma once

#include "host/controls/control.h"
#include "host/forms/container_object.h"

namespace host {

// A group box that contains controls. Its children's notifications reach the
// group box, which hands them on to the controls like a form does.
class Frame : public CaptionedControl, public ContainerObject {
 public:
  using CaptionedControl::CaptionedControl;
  HWND hWnd() override { return Control::hWnd(); }
  std::string Name() const override { return Control::Name(); }

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void ApplySettings(const PropertyBag& bag) override;
};

}  // namespace host
