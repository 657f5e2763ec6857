#include <windows.h>

#include "converter/shell/run_converter_program.h"

// The program takes no arguments.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return converter::shell::RunConverterProgram(converter::Edition::Formwright);
}
