#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "host/win32/unique_handle.h"

namespace ttyhost::testing {

// This process's console seen from a second thread: keys written into its
// input buffer as a user would type them, and the text its screen shows.
class ConsoleSession {
 public:
  ConsoleSession();
  bool IsOpen() const { return static_cast<bool>(input_) && static_cast<bool>(output_); }

  // One key press and release per character; "\r" is Enter, "\b" Backspace.
  void Type(std::string_view keys) const;
  // The screen's rows up to the cursor, trailing blanks cut, joined by '\n'.
  std::string Screen() const;
  // Waits until the screen shows `text` at least `count` times.
  bool WaitForText(std::string_view text, int count = 1,
                   std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) const;

 private:
  host::UniqueKernelHandle input_;
  host::UniqueKernelHandle output_;
};

// Runs `script` on its own thread once this process has a console (other than
// the `replaced` one), then types "exit" + Enter so that a prompt loop on the
// test's thread always ends.
class ConsoleTypist {
 public:
  explicit ConsoleTypist(std::function<void(const ConsoleSession&)> script, HWND replaced = nullptr);
  ~ConsoleTypist();
  ConsoleTypist(const ConsoleTypist&) = delete;
  ConsoleTypist& operator=(const ConsoleTypist&) = delete;

  // Waits for the script to finish; false when no console appeared.
  bool Join();

 private:
  bool sawConsole_ = false;
  std::thread thread_;
};

// The tests are console programs; ttyhost is a windowed one and starts
// without a console, so each test begins by letting go of the one it has.
class WithoutAConsole : public ::testing::Test {
 protected:
  void SetUp() override { FreeConsole(); }
};

// This process's console window once the console shows one (the window may
// come a moment after AllocConsole); null when none came within the time-out.
HWND ConsoleWindowOnceShown(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

// Counts the non-overlapping occurrences of `text` in `screen`.
int Occurrences(std::string_view screen, std::string_view text);

}  // namespace ttyhost::testing
