#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/win32/unique_handle.h"

namespace shapetrial::testing {

// A program started for a test and ended with it, should it still run: a
// running program would keep the test runner's output open.
class StartedProgram {
 public:
  StartedProgram(const std::string& path, const std::string& folder);
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  // The program's visible top-level window with this title, once it is up; null after the wait.
  HWND WaitForWindow(const std::string& title) const;
  // The texts of the message boxes the program shows now, each answered with OK.
  std::vector<std::string> AnswerMessageBoxes() const;
  bool Ended() const;

 private:
  std::vector<HWND> VisibleWindows() const;

  DWORD processId_ = 0;
  host::UniqueKernelHandle process_;
  host::UniqueKernelHandle thread_;
};

// bin/ beside the tests' folder, where the build puts the programs and Regions.ocx.
std::string BinFolder();

}  // namespace shapetrial::testing
