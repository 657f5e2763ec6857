#pragma once

#include <functional>
#include <string>

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

// "number description" of the run-time error `call` raises; "" when it raises none.
inline std::string ErrorTextOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeError& error) {
    return std::to_string(error.Number()) + " " + error.Description();
  }
  return {};
}

}  // namespace host::testing
