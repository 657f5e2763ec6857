#include <windows.h>

#include "host/forms/program.h"
#include "wrappers/daygrid/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  daygrid::Form1 form;
  return host::Run(form);
}
