#include <windows.h>

#include "host/forms/program.h"
#include "wrappers/spinglyph/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  spinglyph::Form1 form;
  return host::Run(form);
}
