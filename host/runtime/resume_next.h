#pragma once

#include <utility>

#include "host/runtime/error.h"

namespace host {

// A routine in resume-next mode runs each statement through this: a statement
// that raises a run-time error is abandoned, the error object records it, and
// the routine goes on with the next statement.
//
//   ResumeNext rn;
//   rn([&] { first(); });
//   rn([&] { second(); });
class ResumeNext {
 public:
  template <typename Statement>
  void operator()(Statement&& statement) noexcept {
    try {
      std::forward<Statement>(statement)();
    } catch (const RuntimeError& error) {
      Err().Record(error);
    }
  }
};

}  // namespace host
