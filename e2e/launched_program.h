#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/win32/unique_handle.h"

namespace e2e {

// A program started as a user starts it: by its path, from its own folder.
// Ended by force should the caller give up on it, since a running program
// would keep the test runner's output open.
class LaunchedProgram {
 public:
  // `arguments` follow the quoted path; `output`, if given, receives the
  // program's standard output and error.
  LaunchedProgram(const std::string& path, const std::string& folder, const std::string& arguments = {},
                  HANDLE output = nullptr);
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;
  ~LaunchedProgram();

  bool started() const { return static_cast<bool>(process_); }
  DWORD id() const { return id_; }
  HANDLE process() const { return process_.get(); }
  // Waits up to `timeout` for the program to end; its exit code, or
  // STILL_ACTIVE if it is still running.
  DWORD WaitForExit(DWORD timeoutMilliseconds) const;

 private:
  host::UniqueKernelHandle process_;
  DWORD id_ = 0;
};

std::string TitleOf(HWND window);

// The process's visible top-level windows; only its dialog boxes with `dialogsOnly`.
std::vector<HWND> VisibleTopLevelWindowsOf(DWORD processId, bool dialogsOnly = false);

// The file names of the processes `processId` started and left running,
// Wine's own session processes left out.
std::vector<std::string> ChildProcessesOf(DWORD processId);

// Whether the program file carries a large and a small icon, as a file
// browser shows them.
bool CarriesAnIcon(const std::string& path);

}  // namespace e2e
