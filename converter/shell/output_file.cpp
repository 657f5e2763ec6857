#include "converter/shell/output_file.h"

#include <array>

#include "converter/core/form_file.h"

namespace converter::shell {
namespace {

std::string SystemReason(DWORD error) {
  std::array<char, 512> text{};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                text.data(), static_cast<DWORD>(text.size()), nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  if (length == 0) return "system error " + std::to_string(error);
  return std::string(text.data(), length);
}

[[noreturn]] void Fail(const std::string& path, DWORD error) {
  throw FileError("cannot write " + path + ": " + SystemReason(error));
}

}  // namespace

OutputFile::OutputFile(const std::string& path, std::string_view bytes, WriteFunction write)
    : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (handle_ == INVALID_HANDLE_VALUE) Fail(path, GetLastError());
  DWORD written = 0;
  const BOOL wrote = write(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (wrote != FALSE && written == bytes.size()) return;
  const DWORD error = wrote != FALSE ? ERROR_DISK_FULL : GetLastError();
  CloseHandle(handle_);
  DeleteFileA(path.c_str());
  Fail(path, error);
}

OutputFile::~OutputFile() { CloseHandle(handle_); }

}  // namespace converter::shell
