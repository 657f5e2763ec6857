#include "subclassing/boxdress/form1.h"

#include "host/runtime/date.h"
#include "host/services/beep.h"
#include "subclassing/boxdress/module1.h"
#include "subclassing/boxdress/win32_functions.h"

namespace boxdress {

Form1::Form1() : Form("Form1") {
  Command1.Click.Connect([this] { Command1_Click(); });
}

void Form1::Command1_Click() {
  RECT bounds{};
  getWindowRect(Command1.hWnd(), &bounds);
  host::Beep();
  Module1::PositionedMsgBox(bounds.right, bounds.top, host::DateText(host::TimeOfDay()),
                            host::vbYesNoCancel | host::vbInformation);
}

}  // namespace boxdress
