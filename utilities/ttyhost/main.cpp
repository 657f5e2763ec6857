#include <windows.h>

#include "host/forms/program.h"
#include "utilities/ttyhost/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ttyhost::Form1 form;
  return host::Run(form);
}
