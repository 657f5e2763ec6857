#include "shapetrial/tests/started_program.h"

#include <array>
#include <chrono>

#include "host/testing/message_loop.h"

namespace shapetrial::testing {
namespace {

// Generous: a first start under Wine may take seconds.
constexpr std::chrono::milliseconds kWait{20000};

std::string TextOf(HWND window) {
  std::array<char, 1024> text{};
  return std::string(text.data(), GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
}

std::string ClassOf(HWND window) {
  std::array<char, 64> name{};
  return std::string(name.data(), GetClassNameA(window, name.data(), static_cast<int>(name.size())));
}

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

// A message box's text: its static control of id 0xFFFF.
BOOL CALLBACK FindBoxText(HWND child, LPARAM context) {
  if (ClassOf(child) != "Static" || GetDlgCtrlID(child) != 0xFFFF) return TRUE;
  *reinterpret_cast<std::string*>(context) = TextOf(child);
  return FALSE;
}

}  // namespace

StartedProgram::StartedProgram(const std::string& path, const std::string& folder) {
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                     &started)) {
    processId_ = started.dwProcessId;
    process_.reset(started.hProcess);
    thread_.reset(started.hThread);
  }
}

StartedProgram::~StartedProgram() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), INFINITE);
  }
}

std::vector<HWND> StartedProgram::VisibleWindows() const {
  WindowSearch search{processId_, {}};
  if (process_) EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND StartedProgram::WaitForWindow(const std::string& title) const {
  HWND found = nullptr;
  host::testing::PumpUntil(
      [&] {
        for (const HWND window : VisibleWindows()) {
          if (ClassOf(window) != "#32770" && TextOf(window) == title) found = window;
        }
        return found != nullptr;
      },
      kWait);
  return found;
}

std::vector<std::string> StartedProgram::AnswerMessageBoxes() const {
  std::vector<std::string> texts;
  for (const HWND window : VisibleWindows()) {
    if (ClassOf(window) != "#32770") continue;
    std::string text;
    EnumChildWindows(window, FindBoxText, reinterpret_cast<LPARAM>(&text));
    texts.push_back(text);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
  return texts;
}

bool StartedProgram::Ended() const { return !process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

std::string BinFolder() {
  std::array<char, MAX_PATH> full{};
  GetFullPathNameA("..\\bin", static_cast<DWORD>(full.size()), full.data(), nullptr);
  return full.data();
}

}  // namespace shapetrial::testing
