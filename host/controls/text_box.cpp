#include "host/controls/text_box.h"

namespace host {

Control::WindowTraits TextBox::TraitsFrom(const PropertyBag& bag) const {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (static_cast<bool>(bag.ReadProperty<Boolean>("MultiLine", False))) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  }
  const DWORD border = bag.ReadProperty<Integer>("BorderStyle", 1) == 1 ? WS_EX_CLIENTEDGE : 0;
  return {"EDIT", style, border, vbWindowBackground, vbWindowText};
}

void TextBox::OnCommand(WORD notification) {
  if (notification == EN_CHANGE) Change.Raise();
}

}  // namespace host
