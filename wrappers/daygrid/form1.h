#pragma once

#include "host/controls/check_box.h"
#include "host/controls/command_button.h"
#include "host/controls/label.h"
#include "host/forms/form.h"
#include "host/usercontrol/form_control_site.h"
#include "wrappers/daygrid/day_grid.h"

namespace daygrid {

// One calendar to size, restyle and step back day by day.
class Form1 : public host::Form {
 public:
  Form1();

  host::CheckBox Check1{*this, "Check1"};
  host::CommandButton Command1{*this, "Command1"};
  host::Label Label1{*this, "Label1"};
  host::UserControlHost<DayGrid> DayGrid1{*this, "DayGrid1"};

 private:
  void Check1_Click();
  void Command1_Click();
};

}  // namespace daygrid
