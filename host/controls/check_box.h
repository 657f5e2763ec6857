#pragma once

#include "host/controls/control.h"
#include "host/runtime/event.h"

namespace host {

inline constexpr Integer vbUnchecked = 0;
inline constexpr Integer vbChecked = 1;
inline constexpr Integer vbGrayed = 2;

// `Value` is 0, 1 or 2 (grayed); a change of `Value`, from code or by the
// user, raises Click.
class CheckBox : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  Integer Value() const;
  // Raises error 380 for values other than 0, 1 and 2.
  void SetValue(Integer value);
  Event<> Click;

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void ApplySettings(const PropertyBag& bag) override;
  void OnCommand(WORD notification) override;
};

}  // namespace host
