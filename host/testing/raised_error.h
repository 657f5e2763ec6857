#pragma once

#include <functional>

#include "host/runtime/error.h"

namespace host::testing {

// The number of the run-time error that `call` raises; 0 when it raises none.
inline Long ErrorNumberOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace host::testing
