#pragma once

#include <stdexcept>
#include <string>

namespace converter {

// A form or output file the system could not read or write; what() names the
// path and the system's reason.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole file as raw bytes, no character-set conversion.
std::string ReadFormFile(const std::string& path);

// Writes bytes to path so that the file is either wholly written or left as it
// was: the bytes go to a temporary file beside it, which replaces path only
// after every byte is on disk.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace converter
