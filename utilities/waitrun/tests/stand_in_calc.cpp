// Stands in for the calculator, which Wine lacks: a program without a window
// that lives for STAND_IN_MILLISECONDS (0 when unset) and then ends.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char milliseconds[16] = {};
  GetEnvironmentVariableA("STAND_IN_MILLISECONDS", milliseconds, sizeof milliseconds);
  Sleep(static_cast<DWORD>(std::atoi(milliseconds)));
  return 0;
}
