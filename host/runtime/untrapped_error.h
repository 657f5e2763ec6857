#pragma once

#include <utility>

#include "host/runtime/error.h"

namespace host {

// Our policy for an error no routine trapped: the user sees the standard
// "Run-time error 'N':" box, the handler that raised it is abandoned, and the
// program goes on.
void ReportUntrappedError(const RuntimeError& error);

// Runs one event handler under that policy.
template <typename Handler>
void RunEventHandler(Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (const RuntimeError& error) {
    ReportUntrappedError(error);
  }
}

}  // namespace host
