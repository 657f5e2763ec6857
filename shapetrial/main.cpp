#include <windows.h>

#include "host/com/ole_session.h"
#include "host/forms/program.h"
#include "host/services/message_box.h"
#include "shapetrial/form1.h"
#include "shapetrial/regions_library.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const host::OleSession ole;
  if (!shapetrial::RegionControlsAvailable()) {
    host::MsgBox(shapetrial::MissingLibraryMessage(), host::vbCritical);
    return 1;
  }
  shapetrial::Form1 form;
  return host::Run(form);
}
