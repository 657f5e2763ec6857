#include "shapetrial/tests/started_program.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "host/testing/message_loop.h"

namespace shapetrial::testing {
namespace {

// Generous: a first start under Wine may take seconds.
constexpr std::chrono::milliseconds kWait{20000};

// A message box's text: its static control of id 0xFFFF.
BOOL CALLBACK FindBoxText(HWND child, LPARAM context) {
  std::array<char, 64> name{};
  GetClassNameA(child, name.data(), static_cast<int>(name.size()));
  if (std::string(name.data()) != "Static" || GetDlgCtrlID(child) != 0xFFFF) return TRUE;
  *reinterpret_cast<std::string*>(context) = e2e::TitleOf(child);
  return FALSE;
}

}  // namespace

HWND StartedProgram::WaitForWindow(const std::string& title) const {
  HWND found = nullptr;
  host::testing::PumpUntil(
      [&] {
        const std::vector<HWND> dialogs = e2e::VisibleTopLevelWindowsOf(program_.id(), true);
        for (const HWND window : e2e::VisibleTopLevelWindowsOf(program_.id())) {
          const bool isDialog = std::find(dialogs.begin(), dialogs.end(), window) != dialogs.end();
          if (!isDialog && e2e::TitleOf(window) == title) found = window;
        }
        return found != nullptr;
      },
      kWait);
  return found;
}

std::vector<std::string> StartedProgram::AnswerMessageBoxes() const {
  std::vector<std::string> texts;
  for (const HWND box : e2e::VisibleTopLevelWindowsOf(program_.id(), true)) {
    std::string text;
    EnumChildWindows(box, FindBoxText, reinterpret_cast<LPARAM>(&text));
    texts.push_back(text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  return texts;
}

std::string BinFolder() {
  std::array<char, MAX_PATH> full{};
  GetFullPathNameA("..\\bin", static_cast<DWORD>(full.size()), full.data(), nullptr);
  return full.data();
}

}  // namespace shapetrial::testing
