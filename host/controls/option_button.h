#pragma once

#include "host/controls/control.h"
#include "host/runtime/event.h"

namespace host {

// One of a group: the option buttons of one container. Setting `Value` True
// clears the others of the group and raises Click. As in a dialog, only the
// selected button of a group is a Tab stop, and the arrow keys move the
// selection through the group in tab order.
class OptionButton : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  bool Value() const;
  void SetValue(bool value);
  Event<> Click;

  // The arrow keys: the next (or previous) enabled, visible button of the
  // group, in tab order and round the end, gets the focus and is selected.
  void SelectNeighbour(bool previous);

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void ApplySettings(const PropertyBag& bag) override;
  void OnCommand(WORD notification) override;

 private:
  // Unchecks the others of the group and makes this one its Tab stop.
  void TakeGroupSelection() const;
  bool AnotherInGroupIsSelected() const;
};

}  // namespace host
