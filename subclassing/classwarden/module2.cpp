#include "subclassing/classwarden/module2.h"

#include "host/services/message_box.h"
#include "subclassing/classwarden/module1.h"
#include "subclassing/classwarden/program_forms.h"

namespace classwarden::Module2 {

void Main() {
  std::unique_ptr<host::Form>& dummy = MyDummyFormInstance();
  if (!dummy) dummy = std::make_unique<host::Form>("MyDummyForm");
  dummy->Load();
  if (static_cast<bool>(Module1::HookFormClass(dummy, &Module1::ClassWindowProc))) {
    Form1Instance().Show();
  } else {
    host::MsgBox("Load error...", host::vbOKOnly);
  }
}

}  // namespace classwarden::Module2
