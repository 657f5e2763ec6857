#include <windows.h>

#include "host/forms/program.h"
#include "subclassing/barbuild/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return host::Run(barbuild::Form1Instance()); }
