#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "e2e/launched_program.h"

namespace shapetrial::testing {

// shapetrial started for a test from its folder, and ended with it should it
// still run.
class StartedProgram {
 public:
  StartedProgram(const std::string& path, const std::string& folder) : program_(path, folder) {}

  // The program's visible top-level window with this title, once it is up; null after the wait.
  HWND WaitForWindow(const std::string& title) const;
  // The texts of the message boxes the program shows now, each answered with OK.
  std::vector<std::string> AnswerMessageBoxes() const;
  bool Ended() const { return !program_.started() || program_.WaitForExit(0) != STILL_ACTIVE; }

 private:
  e2e::LaunchedProgram program_;
};

// bin/ beside the tests' folder, where the build puts the programs and Regions.ocx.
std::string BinFolder();

}  // namespace shapetrial::testing
