#pragma once

#include "host/controls/command_button.h"
#include "host/controls/label.h"
#include "host/controls/list_box.h"
#include "host/controls/text_box.h"
#include "host/forms/form.h"
#include "host/usercontrol/form_control_site.h"
#include "wrappers/latchwire/latchwire_me.h"

namespace latchwire {

// Vetoes clicks, Tab presses and title-bar actions through the control's
// view of every message.
class Form1 : public host::Form {
 public:
  Form1();

  host::TextBox Text1{*this, "Text1"};
  host::CommandButton Command1{*this, "Command1"};
  host::ListBox List1{*this, "List1"};
  host::UserControlHost<LatchwireMe> LatchwireMe1{*this, "LatchwireMe1"};
  host::Label Label1{*this, "Label1"};

 protected:
  void Form_Load() override;

 private:
  void LatchwireMe1_WindowMessages(host::LongPtr mhWnd, host::Long& wMsg, host::LongPtr& wParam, host::LongPtr& lParam,
                                   host::Long wTime);
  void TitleBarPressed(host::LongPtr& wParam);
};

}  // namespace latchwire
