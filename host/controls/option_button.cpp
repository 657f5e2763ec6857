#include "host/controls/option_button.h"

namespace host {

Control::WindowTraits OptionButton::TraitsFrom(const PropertyBag&) const {
  return {"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0, vbButtonFace, vbButtonText};
}

void OptionButton::ApplySettings(const PropertyBag& bag) {
  if (static_cast<bool>(bag.ReadProperty<Boolean>("Value", False))) {
    ClearOthersInGroup();
    Send(BM_SETCHECK, BST_CHECKED);
  }
}

bool OptionButton::Value() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void OptionButton::SetValue(bool value) {
  if (value == Value()) return;
  if (value) ClearOthersInGroup();
  Send(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
  if (value) Click.Raise();
}

void OptionButton::ClearOthersInGroup() const {
  for (HWND sibling = GetWindow(hWnd(), GW_HWNDFIRST); sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != hWnd() && dynamic_cast<OptionButton*>(FromWindow(sibling)) != nullptr) {
      SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

void OptionButton::OnCommand(WORD notification) {
  if (notification != BN_CLICKED) return;
  if (Value()) {
    Click.Raise();
  } else {
    SetValue(true);
  }
}

}  // namespace host
