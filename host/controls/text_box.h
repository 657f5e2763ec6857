#pragma once

#include "host/controls/control.h"
#include "host/runtime/event.h"

namespace host {

class TextBox : public Control {
 public:
  using Control::Control;
  std::string Text() const { return DisplayedText(); }
  void SetText(std::string_view text) { SetDisplayedText(text); }
  Event<> Change;

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void OnCommand(WORD notification) override;
};

}  // namespace host
