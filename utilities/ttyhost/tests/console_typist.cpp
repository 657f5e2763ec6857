#include "utilities/ttyhost/tests/console_typist.h"

#include <utility>
#include <vector>

namespace ttyhost::testing {
namespace {

HANDLE OpenConsoleFile(const char* name) {
  const HANDLE handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

WORD VirtualKeyOf(char key) {
  switch (key) {
    case '\r':
      return VK_RETURN;
    case '\b':
      return VK_BACK;
    default:
      return LOBYTE(VkKeyScanA(key));
  }
}

INPUT_RECORD KeyEvent(char key, bool down) {
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = VirtualKeyOf(key);
  record.Event.KeyEvent.uChar.AsciiChar = key;
  return record;
}

bool WaitForConsole(HWND replaced, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // One look per turn: the console may be released between two.
  for (HWND window = GetConsoleWindow(); window == nullptr || window == replaced; window = GetConsoleWindow()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace

ConsoleSession::ConsoleSession() : input_(OpenConsoleFile("CONIN$")), output_(OpenConsoleFile("CONOUT$")) {}

void ConsoleSession::Type(std::string_view keys) const {
  std::vector<INPUT_RECORD> records;
  for (const char key : keys) {
    records.push_back(KeyEvent(key, true));
    records.push_back(KeyEvent(key, false));
  }
  DWORD written = 0;
  WriteConsoleInputA(input_.get(), records.data(), static_cast<DWORD>(records.size()), &written);
}

std::string ConsoleSession::Screen() const {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(output_.get(), &info) == 0) return {};
  std::string screen;
  std::string row(static_cast<std::size_t>(info.dwSize.X), ' ');
  for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
    DWORD read = 0;
    ReadConsoleOutputCharacterA(output_.get(), row.data(), static_cast<DWORD>(row.size()), COORD{0, y}, &read);
    const std::string_view text(row.data(), read);
    const std::size_t end = text.find_last_not_of(' ');
    if (y > 0) screen += '\n';
    if (end != std::string_view::npos) screen += text.substr(0, end + 1);
  }
  return screen;
}

bool ConsoleSession::WaitForText(std::string_view text, int count, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Occurrences(Screen(), text) < count) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

HWND ConsoleWindowOnceShown(std::chrono::milliseconds timeout) {
  return WaitForConsole(nullptr, timeout) ? GetConsoleWindow() : nullptr;
}

ConsoleTypist::ConsoleTypist(std::function<void(const ConsoleSession&)> script, HWND replaced)
    : thread_([this, replaced, script = std::move(script)] {
        if (!WaitForConsole(replaced, std::chrono::milliseconds(10000))) return;
        sawConsole_ = true;
        const ConsoleSession console;
        script(console);
        console.Type("exit\r");
      }) {}

ConsoleTypist::~ConsoleTypist() {
  if (thread_.joinable()) thread_.join();
}

bool ConsoleTypist::Join() {
  if (thread_.joinable()) thread_.join();
  return sawConsole_;
}

int Occurrences(std::string_view screen, std::string_view text) {
  int count = 0;
  for (std::size_t at = screen.find(text); at != std::string_view::npos; at = screen.find(text, at + text.size())) {
    ++count;
  }
  return count;
}

}  // namespace ttyhost::testing
