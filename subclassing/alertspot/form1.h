#pragma once

#include "host/controls/command_button.h"
#include "host/forms/form.h"

namespace alertspot {

// One button; its message box opens at the button's top-right corner.
class Form1 : public host::Form {
 public:
  Form1();

  host::CommandButton Command1{*this, "Command1"};

 private:
  void Command1_Click();
};

}  // namespace alertspot
