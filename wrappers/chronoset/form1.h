#pragma once

#include "host/controls/command_button.h"
#include "host/forms/form.h"
#include "host/usercontrol/form_control_site.h"
#include "wrappers/chronoset/date_picker.h"

namespace chronoset {

// Two pickers; the button moves the second onto itself and drops it down.
class Form1 : public host::Form {
 public:
  Form1();

  host::CommandButton Command1{*this, "Command1"};
  host::UserControlHost<DatePicker> DatePicker1{*this, "DatePicker1"};
  host::UserControlHost<DatePicker> DatePicker2{*this, "DatePicker2"};

 private:
  void Command1_Click();
};

}  // namespace chronoset
