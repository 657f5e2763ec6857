#pragma once

#include "host/controls/check_box.h"
#include "host/controls/command_button.h"
#include "host/forms/form.h"

namespace waitrun {

// A button that starts the calculator and a box that asks to wait for it.
class Form1 : public host::Form {
 public:
  Form1();

  host::CommandButton Command1{*this, "Command1"};
  host::CheckBox Check1{*this, "Check1"};

 private:
  void Command1_Click();
};

}  // namespace waitrun
