#include "utilities/ttyhost/module1.h"

#include "host/runtime/resume_next.h"
#include "host/services/message_box.h"
#include "host/runtime/text.h"
#include "host/services/beep.h"
#include "host/services/shell.h"
#include "host/win32/gateway.h"
#include "host/win32/system_message.h"

namespace ttyhost {

HANDLE hConsoleIn = nullptr;
HANDLE hConsoleOut = nullptr;

namespace {

const host::Win32Function<decltype(::AllocConsole)> allocConsole{"kernel32", "AllocConsole"};
const host::Win32Function<decltype(::FreeConsole)> freeConsole{"kernel32", "FreeConsole"};
const host::Win32Function<decltype(::GetStdHandle)> getStdHandle{"kernel32", "GetStdHandle"};
const host::Win32Function<decltype(::SetConsoleMode)> setConsoleMode{"kernel32", "SetConsoleMode"};
const host::Win32Function<decltype(::GetConsoleMode)> getConsoleMode{"kernel32", "GetConsoleMode"};
const host::Win32Function<decltype(::ReadFile)> readFile{"kernel32", "ReadFile"};
const host::Win32Function<decltype(::Sleep)> sleep{"kernel32", "Sleep"};
const host::Win32Function<decltype(::WriteConsoleA)> writeConsole{"kernel32", "WriteConsoleA"};

constexpr char LineFeed = 10;
constexpr char Backspace = 8;
constexpr char CarriageReturn = 13;

// Echo alone: without line input each read returns the bytes as they are typed.
constexpr DWORD EchoOnly = ENABLE_ECHO_INPUT;
// A read that brought no byte is retried after this pause rather than at once.
constexpr DWORD EmptyReadPauseMs = 20;

// A console of the program's own. AllocConsole fails while the process has
// one (a windowed program started from a console program may be given its
// parent's), so that one is released and the allocation tried once more.
// Returns the system's error code, 0 when a console was allocated.
DWORD AllocOwnConsole() {
  if (allocConsole()) return 0;
  freeConsole();
  if (allocConsole()) return 0;
  const DWORD error = ::GetLastError();
  return error != 0 ? error : ERROR_INVALID_HANDLE;
}

// The system's words for an error code, else its number.
std::string SystemReason(DWORD error) {
  const std::string reason = host::SystemMessage(error);
  return reason.empty() ? "error " + std::to_string(error) : reason;
}

// Opens the prompt's console and takes its handles; on failure says why and
// leaves both handles 0.
bool OpenPromptConsole() {
  DWORD error = AllocOwnConsole();
  if (error == 0) {
    hConsoleIn = getStdHandle(STD_INPUT_HANDLE);
    hConsoleOut = getStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (getConsoleMode(hConsoleIn, &mode)) return true;
    error = ::GetLastError();
    freeConsole();
    hConsoleIn = nullptr;
    hConsoleOut = nullptr;
  }
  host::ResumeNext()([&] { host::MsgBox("No console could be opened: " + SystemReason(error), host::vbExclamation); });
  return false;
}

// A failed launch counts as process id 0; the error stays in Err.
host::Long LaunchIgnoringErrors(std::string_view commandLine) {
  host::Long processId = 0;
  host::ResumeNext resumeNext;
  resumeNext([&] { processId = host::Shell(commandLine, host::vbNormalFocus); });
  return processId;
}

}  // namespace

void WriteConsoleText(std::string_view text) {
  if (text.empty()) return;
  DWORD written = 0;
  writeConsole(hConsoleOut, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::optional<std::string> ReadConsoleChar() {
  char byte = 0;
  DWORD read = 0;
  if (!readFile(hConsoleIn, &byte, 1, &read, nullptr)) return std::nullopt;
  return read == 0 ? std::string() : std::string(1, byte);
}

std::optional<std::string> ReadConsoleLine() {
  std::string line;
  for (;;) {
    const std::optional<std::string> typed = ReadConsoleChar();
    if (!typed) return std::nullopt;
    if (typed->empty()) {
      sleep(EmptyReadPauseMs);
      continue;
    }
    switch (typed->front()) {
      case LineFeed:
        break;
      case Backspace:
        if (!line.empty()) line.pop_back();
        break;
      case CarriageReturn:
        return line;
      default:
        line += *typed;
    }
  }
}

host::Long RunInConsole(std::string_view commandLine) {
  if (host::Trim(commandLine).empty()) return 0;
  // Should no console be had, the started program gets one from the system.
  AllocOwnConsole();
  const host::Long processId = LaunchIgnoringErrors(commandLine);
  // The started program keeps the console it inherited.
  freeConsole();
  return processId;
}

void ConsolePrompt() {
  if (hConsoleIn != nullptr || hConsoleOut != nullptr) {
    host::Beep();
    return;
  }
  if (!OpenPromptConsole()) return;
  setConsoleMode(hConsoleIn, EchoOnly);
  WriteConsoleText("\r\n");
  WriteConsoleText("Enter filename (with full path and extension) or 'EXIT' to close..\r\n");
  WriteConsoleText("\r\n");
  for (;;) {
    WriteConsoleText(host::CurDir() + ">");
    // A console that can no longer be read ends the prompt as EXIT does.
    const std::optional<std::string> typed = ReadConsoleLine();
    if (!typed) break;
    const std::string& line = *typed;
    const std::string upper = host::UCase(line);
    if (upper == "EXIT") break;
    if (upper.empty()) continue;
    if (LaunchIgnoringErrors(line) != 0) {
      WriteConsoleText("\r\n");
    } else {
      WriteConsoleText("Bad command or filename \"" + line + "\"  Type EXIT to close...\r\n\r\n");
    }
  }
  freeConsole();
  hConsoleIn = nullptr;
  hConsoleOut = nullptr;
}

}  // namespace ttyhost
