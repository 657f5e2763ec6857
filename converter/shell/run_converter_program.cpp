#include "converter/shell/run_converter_program.h"

#include <windows.h>
#include <commctrl.h>

#include "converter/shell/main_dialog.h"

namespace converter::shell {

int RunConverterProgram(Edition edition) {
  InitCommonControls();
  ProgramState state(edition, SystemLocalTime);
  return static_cast<int>(RunMainDialog(state));
}

}  // namespace converter::shell
