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

const FileWriteCalls& SystemFileWriteCalls() {
  static constexpr FileWriteCalls calls{
      [](std::FILE* file, std::string_view bytes) { return std::fwrite(bytes.data(), 1, bytes.size(), file); },
      [](std::FILE* file) { return std::fclose(file); },
      [](const std::string& from, const std::string& to) {
        std::error_code error;
        std::filesystem::rename(from, to, error);
        return error;
      }};
  return calls;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileWriteCalls& calls) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string temporary = path + "." + std::to_string(stamp) + ".tmp";
  errno = 0;
  UniqueFile file(std::fopen(temporary.c_str(), "wb"));
  if (!file) Fail("cannot write", path, SystemReason(errno));
  std::setvbuf(file.get(), nullptr, _IONBF, 0);  // one write call for all the bytes
  // A write that falls short without a reason has met a full disk.
  errno = 0;
  int writeError = calls.write(file.get(), bytes) == bytes.size() ? 0 : (errno != 0 ? errno : ENOSPC);
  // Closed before any removal: an open file cannot be removed on Windows.
  errno = 0;
  if (calls.close(file.release()) != 0 && writeError == 0) writeError = errno != 0 ? errno : EIO;

  const std::error_code renameError = writeError == 0 ? calls.rename(temporary, path) : std::error_code();
  if (writeError != 0 || renameError) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    Fail("cannot write", path, writeError != 0 ? SystemReason(writeError) : renameError.message());
  }
}

}  // namespace converter
