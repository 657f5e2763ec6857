#pragma once

#include <stdexcept>

namespace converter::cli {

// A command line or environment the program cannot act on; what() says why.
// The program ends with exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace converter::cli
