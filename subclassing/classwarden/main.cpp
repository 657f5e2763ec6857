#include <windows.h>

#include "host/forms/program.h"
#include "subclassing/classwarden/module2.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return host::Run(classwarden::Module2::Main); }
