#pragma once

#include <exception>
#include <new>
#include <utility>

#include "host/runtime/error.h"

namespace host {

// Our policy for an error no routine trapped: the user sees the standard
// "Run-time error 'N':" box, the handler that raised it is abandoned, and the
// program goes on.
void ReportUntrappedError(const RuntimeError& error);

// Runs one event handler under that policy. Handlers run inside window
// procedures, which no exception may cross: a failure of the C++ library
// counts as error 7 (out of memory) or 51 (internal error).
template <typename Handler>
void RunEventHandler(Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (const RuntimeError& error) {
    ReportUntrappedError(error);
  } catch (const std::bad_alloc&) {
    ReportUntrappedError(RuntimeError(error_number::OutOfMemory));
  } catch (const std::exception&) {
    ReportUntrappedError(RuntimeError(error_number::InternalError));
  }
}

}  // namespace host
