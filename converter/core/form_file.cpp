#include "converter/core/form_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace converter {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemReason(int error) { return std::error_code(error, std::generic_category()).message(); }

[[noreturn]] void Fail(std::string_view action, const std::string& path, std::string_view reason) {
  throw FileError(std::string(action) + " " + path + ": " + std::string(reason));
}

}  // namespace

std::string ReadFormFile(const std::string& path) {
  errno = 0;
  const UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) Fail("cannot open", path, SystemReason(errno));
  // Unbuffered, so that the bytes go straight into the string: a file of
  // known size is read in one call.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  std::error_code sizeUnknown;
  const std::uintmax_t size = std::filesystem::file_size(path, sizeUnknown);
  std::string bytes;
  if (sizeUnknown) {
    // A pipe or a device: read to its end.
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
  } else {
    bytes.resize(size);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  }
  if (std::ferror(file.get())) Fail("cannot read", path, SystemReason(errno));
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string temporary = path + "." + std::to_string(stamp) + ".tmp";
  errno = 0;
  UniqueFile file(std::fopen(temporary.c_str(), "wb"));
  if (!file) Fail("cannot write", path, SystemReason(errno));
  std::setvbuf(file.get(), nullptr, _IONBF, 0);  // one write call for all the bytes
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  // Closed before any removal: an open file cannot be removed on Windows.
  written = std::fclose(file.release()) == 0 && written;
  const int writeError = errno;

  std::error_code error;
  if (written) std::filesystem::rename(temporary, path, error);
  if (!written || error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    Fail("cannot write", path, written ? error.message() : SystemReason(writeError));
  }
}

}  // namespace converter
