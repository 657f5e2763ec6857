#include <windows.h>

#include "host/forms/program.h"
#include "wrappers/latchwire/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  latchwire::Form1 form;
  return host::Run(form);
}
