#include "utilities/ttyhost/form1.h"

#include "utilities/ttyhost/module1.h"

namespace ttyhost {

Form1::Form1() : Form("Form1") {
  Command1.Click.Connect([this] { Command1_Click(); });
  Command2.Click.Connect([this] { Command2_Click(); });
}

void Form1::Command1_Click() { ConsolePrompt(); }

void Form1::Command2_Click() { RunInConsole("test.bat"); }

}  // namespace ttyhost
