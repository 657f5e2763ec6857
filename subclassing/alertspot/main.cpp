#include <windows.h>

#include "host/forms/program.h"
#include "subclassing/alertspot/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  alertspot::Form1 form;
  return host::Run(form);
}
