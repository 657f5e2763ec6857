#include "utilities/waitrun/form1.h"

#include "host/services/shell.h"
#include "utilities/waitrun/module1.h"

namespace waitrun {

Form1::Form1() : Form("Form1") {
  Command1.Click.Connect([this] { Command1_Click(); });
}

void Form1::Command1_Click() {
  const bool wait = Check1.Value() != host::vbUnchecked;
  LaunchAndWait("Calc.exe", host::vbNormalFocus, this, wait);
}

}  // namespace waitrun
