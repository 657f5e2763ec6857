#pragma once

#include "host/controls/command_button.h"
#include "host/forms/form.h"

namespace ttyhost {

// Two buttons: a console with a command prompt, and a console for "test.bat".
class Form1 : public host::Form {
 public:
  Form1();

  host::CommandButton Command1{*this, "Command1"};
  host::CommandButton Command2{*this, "Command2"};

 private:
  void Command1_Click();
  void Command2_Click();
};

}  // namespace ttyhost
