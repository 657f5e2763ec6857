#include "host/controls/check_box.h"

#include "host/runtime/error.h"

namespace host {

Control::WindowTraits CheckBox::TraitsFrom(const PropertyBag&) const {
  return {"BUTTON", WS_TABSTOP | BS_3STATE, 0, vbButtonFace, vbButtonText};
}

void CheckBox::ApplySettings(const PropertyBag& bag) {
  Send(BM_SETCHECK, static_cast<WPARAM>(bag.ReadProperty<Integer>("Value", vbUnchecked)));
}

Integer CheckBox::Value() const { return static_cast<Integer>(Send(BM_GETCHECK)); }

void CheckBox::SetValue(Integer value) {
  if (value < vbUnchecked || value > vbGrayed) throw RuntimeError(error_number::InvalidPropertyValue);
  if (value == Value()) return;
  Send(BM_SETCHECK, static_cast<WPARAM>(value));
  Click.Raise();
}

void CheckBox::OnCommand(WORD notification) {
  if (notification == BN_CLICKED) SetValue(Value() == vbChecked ? vbUnchecked : vbChecked);
}

}  // namespace host
