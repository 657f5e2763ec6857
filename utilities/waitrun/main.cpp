#include <windows.h>

#include "host/forms/program.h"
#include "utilities/waitrun/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  waitrun::Form1 form;
  return host::Run(form);
}
