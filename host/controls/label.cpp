#include "host/controls/label.h"

namespace host {

Control::WindowTraits Label::TraitsFrom(const PropertyBag& bag) const {
  static constexpr DWORD kAlignments[] = {SS_LEFT, SS_RIGHT, SS_CENTER};
  const Integer alignment = bag.ReadProperty<Integer>("Alignment", 0);
  DWORD style = SS_NOTIFY | kAlignments[alignment >= 0 && alignment <= 2 ? alignment : 0];
  if (bag.ReadProperty<Integer>("BorderStyle", 0) == 1) style |= WS_BORDER;
  return {"STATIC", style, 0, vbButtonFace, vbButtonText};
}

void Label::OnCommand(WORD notification) {
  if (notification == STN_CLICKED) Click.Raise();
}

}  // namespace host
