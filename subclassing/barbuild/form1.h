#pragma once

#include "host/controls/control_array.h"
#include "host/controls/label.h"
#include "host/controls/option_button.h"
#include "host/forms/form.h"
#include "subclassing/barbuild/module1.h"

namespace barbuild {

// Two option buttons: no menu at all, or a menu bar built with Win32 calls.
class Form1 : public host::Form {
 public:
  Form1();

  host::ControlArray<host::OptionButton> Option1{*this, "Option1"};
  host::Label Label1{*this, "Label1"};

 protected:
  void Form_Load() override;
  void Form_Unload(host::Integer& Cancel) override;

 private:
  void Option1_Click(host::Integer Index);
  void DestroyBuiltMenus();
  // False when no bar could be created.
  bool BuildMenuBar();

  // The bar built here, and its pop-up until the bar takes it over.
  MenuHandle hMenu;
  MenuHandle hPopupMenu1;
};

// The program's one Form1, as its window procedure reaches it.
Form1& Form1Instance();

}  // namespace barbuild
