#include <windows.h>

#include "host/forms/program.h"
#include "subclassing/boxdress/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  boxdress::Form1 form;
  return host::Run(form);
}
