#pragma once

#include "host/container/activex_host.h"
#include "host/controls/check_box.h"
#include "host/controls/command_button.h"
#include "host/controls/control_array.h"
#include "host/controls/line.h"
#include "host/controls/option_button.h"
#include "host/controls/timer.h"
#include "host/forms/form.h"
#include "shapetrial/form2.h"

namespace shapetrial {

// The start-up form: region containers shaped from their stored settings and
// from code, reshaped by the option buttons, the timer and mouse clicks, and
// transparent controls cutting holes into the form and into RegionContainer1.
// Every member of the region controls is reached through their dispatch
// interfaces.
class Form1 : public host::Form {
 public:
  Form1();

  host::ActiveXHost RegionContainer5{*this, "RegionContainer5"};
  host::ControlArray<host::ActiveXHost> RegionContainer4{*this, "RegionContainer4"};
  host::ControlArray<host::ActiveXHost> RegionContainer3{*this, "RegionContainer3"};
  host::ControlArray<host::OptionButton> Option1{*this, "Option1"};
  host::CheckBox Check1{*this, "Check1"};
  host::ActiveXHost RegionContainer1{*this, "RegionContainer1"};
  host::ActiveXHost RegionTransparent3{*this, "RegionTransparent3"};
  host::TimerControl Timer1{*this, "Timer1"};
  host::ControlArray<host::ActiveXHost> RegionTransparent1{*this, "RegionTransparent1"};
  host::ActiveXHost RegionTransparent5{*this, "RegionTransparent5"};
  host::CommandButton Command2{*this, "Command2"};
  host::ControlArray<host::ActiveXHost> RegionTransparent2{*this, "RegionTransparent2"};
  host::CommandButton Command1{*this, "Command1"};
  host::ActiveXHost RegionContainer2{*this, "RegionContainer2"};
  host::Line Line1{*this, "Line1"};

  Form2 form2;

 protected:
  void Form_Load() override;

 private:
  void Option1_Click(host::Integer Index);
  void Check1_Click();
  void Timer1_Timer();
  void Command1_Click();
  void Command2_Click();
  void RegionContainer1_MouseUp(host::Integer Button, host::Integer Shift, host::Single X, host::Single Y);
  void RegionContainer2_MouseUp(host::Integer Button, host::Integer Shift, host::Single X, host::Single Y);
  void RegionContainer2_Paint();
  void RegionTransparent2_Resize(host::Integer Index);
};

}  // namespace shapetrial
