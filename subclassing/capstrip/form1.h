#pragma once

#include "host/controls/check_box.h"
#include "host/controls/control_array.h"
#include "host/forms/form.h"
#include "host/forms/menu.h"

namespace capstrip {

// Six check boxes that switch the items of the form's own window menu.
class Form1 : public host::Form {
 public:
  Form1();

  host::ControlArray<host::CheckBox> Check1{*this, "Check1"};
  host::Menu menuFile{*this, "menuFile"};
  host::ControlArray<host::Menu> mnuFile{*this, "mnuFile"};

 protected:
  void Form_Load() override;
  void Form_QueryUnload(host::Integer& Cancel, host::Integer UnloadMode) override;
  void Form_Unload(host::Integer& Cancel) override;

 private:
  void Check1_Click(host::Integer Index);
  void mnuFile_Click(host::Integer Index);
};

}  // namespace capstrip
