#pragma once

#include <cstddef>

namespace host {

// The default system sound. Each call is also counted, so tests can see a
// beep without hearing it.
void Beep();
std::size_t BeepCount();

}  // namespace host
