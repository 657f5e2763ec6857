#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

// What became of a program started from its folder to its first window and
// closed from that window's menu, as a user closes it.
struct FirstWindowRun {
  bool started = false;
  bool showedAWindow = false;
  std::string title;  // of the first window
  // A dialog box asked before the program closed; it was answered OK.
  bool asked = false;
  DWORD exitCode = STILL_ACTIVE;  // still so if the program did not end
  std::vector<std::string> leftChildProcesses;
};

// Waits up to `timeout` for each step: the window, the question, the end.
FirstWindowRun RunToFirstWindowAndClose(const std::string& path, const std::string& folder,
                                        std::chrono::milliseconds timeout);

}  // namespace e2e
