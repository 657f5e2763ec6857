#include "subclassing/capstrip/form1.h"

#include <array>
#include <string>

#include "host/forms/program.h"
#include "host/services/app.h"
#include "host/services/beep.h"
#include "host/services/message_box.h"
#include "subclassing/capstrip/enable_capstrip.h"

namespace capstrip {
namespace {

// The window-menu command of each check box, by index.
constexpr std::array<host::Long, 6> kCommands{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
constexpr host::Integer kExit = 10;

}  // namespace

Form1::Form1() : Form("Form1") {
  Check1.On(&host::CheckBox::Click, [this](host::Integer Index) { Check1_Click(Index); });
  mnuFile.On(&host::Menu::Click, [this](host::Integer Index) { mnuFile_Click(Index); });
}

// The boxes are unchecked at design time: checking each runs its click, so
// every item and both title-bar boxes start switched on.
void Form1::Form_Load() {
  for (host::Integer index = 0; index < static_cast<host::Integer>(kCommands.size()); ++index) {
    Check1(index).SetValue(host::vbChecked);
  }
}

void Form1::Check1_Click(host::Integer Index) {
  if (Index < 0 || Index >= static_cast<host::Integer>(kCommands.size())) return;
  EnableCapstrip(*this, kCommands[static_cast<std::size_t>(Index)], Check1(Index).Value() != 0, "");
}

void Form1::Form_QueryUnload(host::Integer& Cancel, host::Integer UnloadMode) {
  if (UnloadMode != host::vbFormControlMenu) return;
  host::Beep();
  const std::string question = "Close " + host::App().Title() + " ?";
  if (host::MsgBox(question, host::vbOKCancel | host::vbQuestion) == host::vbCancel) Cancel = host::True.Value();
}

void Form1::Form_Unload(host::Integer&) { host::End(); }

void Form1::mnuFile_Click(host::Integer Index) {
  if (Index == kExit) Unload();
}

}  // namespace capstrip
