#pragma once

#include "host/runtime/types.h"

namespace host {

// Seconds since local midnight, with hundredths.
Single Timer();

// The next number of the runtime's random sequence, in [0, 1). The sequence
// is the same in every run, as the runtime's is without reseeding.
Single Rnd();

}  // namespace host
