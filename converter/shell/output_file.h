#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace converter::shell {

// The output of one conversion as the completion message finds it: created or
// emptied, written whole, and held open without sharing until this object
// goes, so the file is closed only after the message has been answered.
class OutputFile {
 public:
  // The system's WriteFile, or a test's stand-in for failures a disk will not
  // produce on demand.
  using WriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

  // Throws FileError naming the path and the system's reason when the file
  // cannot be created or fully written; what was written is then removed, so
  // no partial file is left behind as if saved.
  OutputFile(const std::string& path, std::string_view bytes, WriteFunction write = &::WriteFile);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace converter::shell
