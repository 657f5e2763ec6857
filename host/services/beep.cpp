#include "host/services/beep.h"

#include <windows.h>

namespace host {
namespace {
std::size_t beeps = 0;
}

void Beep() {
  ++beeps;
  MessageBeep(MB_OK);
}

std::size_t BeepCount() { return beeps; }

}  // namespace host
