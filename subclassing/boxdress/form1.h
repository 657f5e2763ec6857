#pragma once

#include "host/controls/command_button.h"
#include "host/forms/form.h"

namespace boxdress {

// One button; its message box, dressed up, opens at the button's top-right corner.
class Form1 : public host::Form {
 public:
  Form1();

  host::CommandButton Command1{*this, "Command1"};

 private:
  void Command1_Click();
};

}  // namespace boxdress
