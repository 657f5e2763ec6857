#include <windows.h>

#include "host/forms/program.h"
#include "host/services/app.h"
#include "subclassing/capstrip/application.h"
#include "subclassing/capstrip/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  host::App().SetTitle(capstrip::ApplicationTitle);
  capstrip::Form1 form;
  return host::Run(form);
}
