#pragma once

#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace converter {

// A form or output file the system could not read or write; what() names the
// path and the system's reason.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole file as raw bytes, no character-set conversion.
std::string ReadFormFile(const std::string& path);

// The calls of an atomic write that can fail: write and close give their
// reason in errno, as the system's do; rename returns it. A test puts in
// stand-ins for failures a disk will not produce on demand.
struct FileWriteCalls {
  std::size_t (*write)(std::FILE* file, std::string_view bytes);
  int (*close)(std::FILE* file);
  std::error_code (*rename)(const std::string& from, const std::string& to);
};

// The system's own calls.
const FileWriteCalls& SystemFileWriteCalls();

// Writes bytes to path so that the file is either wholly written or left as it
// was: the bytes go to a temporary file beside it, which replaces path only
// after every byte is on disk.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const FileWriteCalls& calls = SystemFileWriteCalls());

}  // namespace converter
