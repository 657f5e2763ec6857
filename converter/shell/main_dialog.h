#pragma once

#include <windows.h>

#include "converter/shell/program_state.h"
#include "converter/shell/unique_window.h"

namespace converter::shell {

// The program's way: the main dialog shown modally until "E&xit" or its
// close command ends it; the dialog's result (0).
INT_PTR RunMainDialog(ProgramState& state);

// The same dialog without its own message loop, for a caller that pumps
// messages itself. The state must outlive the window.
UniqueWindow CreateMainDialog(ProgramState& state);

// "Convert &VB": asks for a form file and converts it; a cancelled choice changes nothing.
void OnConvertClicked(ProgramState& state);

// "E&xit": ends the modal dialog with result 0.
void OnExitClicked(HWND dialog);

}  // namespace converter::shell
