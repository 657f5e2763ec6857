#include "subclassing/alertspot/form1.h"

#include "host/runtime/date.h"
#include "host/services/beep.h"
#include "subclassing/alertspot/positioned_msgbox.h"
#include "subclassing/alertspot/user32.h"

namespace alertspot {

Form1::Form1() : Form("Form1") {
  Command1.Click.Connect([this] { Command1_Click(); });
}

void Form1::Command1_Click() {
  RECT bounds{};
  getWindowRect(Command1.hWnd(), &bounds);
  host::Beep();
  Alertspot::PositionedMsgBox(bounds.right, bounds.top, host::DateText(host::TimeOfDay()),
                              host::vbOKOnly | host::vbInformation);
}

}  // namespace alertspot
