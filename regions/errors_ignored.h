#pragma once

#include <utility>

#include "host/runtime/error.h"
#include "host/runtime/resume_next.h"

namespace regions {

// The body of a member that runs with errors ignored: each statement goes
// through it (a failing one is skipped), and the error state is cleared when
// the member returns, so no error reaches the host.
class ErrorsIgnored {
 public:
  ErrorsIgnored() = default;
  ErrorsIgnored(const ErrorsIgnored&) = delete;
  ErrorsIgnored& operator=(const ErrorsIgnored&) = delete;
  ~ErrorsIgnored() { host::Err().Clear(); }

  template <typename Statement>
  void operator()(Statement&& statement) noexcept {
    resumeNext_(std::forward<Statement>(statement));
  }

 private:
  host::ResumeNext resumeNext_;
};

}  // namespace regions
