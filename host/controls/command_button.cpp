#include "host/controls/command_button.h"

namespace host {

Control::WindowTraits CommandButton::TraitsFrom(const PropertyBag& bag) const {
  const bool isDefault = static_cast<bool>(bag.ReadProperty<Boolean>("Default", False));
  return {"BUTTON", static_cast<DWORD>(WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)), 0, vbButtonFace,
          vbButtonText};
}

void CommandButton::OnCommand(WORD notification) {
  if (notification == BN_CLICKED) Click.Raise();
}

}  // namespace host
