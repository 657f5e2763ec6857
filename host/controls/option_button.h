#pragma once

#include "host/controls/control.h"
#include "host/runtime/event.h"

namespace host {

// One of a group: the option buttons of one container. Setting `Value` True
// clears the others of the group and raises Click.
class OptionButton : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  bool Value() const;
  void SetValue(bool value);
  Event<> Click;

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void ApplySettings(const PropertyBag& bag) override;
  void OnCommand(WORD notification) override;

 private:
  void ClearOthersInGroup() const;
};

}  // namespace host
