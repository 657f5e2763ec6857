#pragma once

#include "converter/core/edition.h"

namespace converter::shell {

// The whole program of one edition: common controls, the main dialog until it
// closes; the process's exit code.
int RunConverterProgram(Edition edition);

}  // namespace converter::shell
