#pragma once

#include "host/controls/control.h"
#include "host/runtime/event.h"

namespace host {

class Label : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  Event<> Click;

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void OnCommand(WORD notification) override;
};

}  // namespace host
