#include <windows.h>

#include "host/forms/program.h"
#include "wrappers/chronoset/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  chronoset::Form1 form;
  return host::Run(form);
}
