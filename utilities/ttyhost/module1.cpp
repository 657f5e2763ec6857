#include "utilities/ttyhost/module1.h"

#include "host/runtime/resume_next.h"
#include "host/runtime/text.h"
#include "host/services/beep.h"
#include "host/services/shell.h"
#include "host/win32/gateway.h"

namespace ttyhost {

HANDLE hConsoleIn = nullptr;
HANDLE hConsoleOut = nullptr;

namespace {

const host::Win32Function<decltype(::AllocConsole)> allocConsole{"kernel32", "AllocConsole"};
const host::Win32Function<decltype(::FreeConsole)> freeConsole{"kernel32", "FreeConsole"};
const host::Win32Function<decltype(::GetStdHandle)> getStdHandle{"kernel32", "GetStdHandle"};
const host::Win32Function<decltype(::SetConsoleMode)> setConsoleMode{"kernel32", "SetConsoleMode"};
const host::Win32Function<decltype(::ReadFile)> readFile{"kernel32", "ReadFile"};
const host::Win32Function<decltype(::WriteConsoleA)> writeConsole{"kernel32", "WriteConsoleA"};

constexpr char LineFeed = 10;
constexpr char Backspace = 8;
constexpr char CarriageReturn = 13;

// Echo alone: without line input each read returns the bytes as they are typed.
constexpr DWORD EchoOnly = ENABLE_ECHO_INPUT;

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

std::string ReadConsoleChar() {
  char byte = 0;
  DWORD read = 0;
  readFile(hConsoleIn, &byte, 1, &read, nullptr);
  return read == 0 ? std::string() : std::string(1, byte);
}

std::string ReadConsoleLine() {
  std::string line;
  for (;;) {
    const std::string typed = ReadConsoleChar();
    if (typed.empty()) continue;
    switch (typed.front()) {
      case LineFeed: break;
      case Backspace:
        if (!line.empty()) line.pop_back();
        break;
      case CarriageReturn: return line;
      default: line += typed;
    }
  }
}

host::Long RunInConsole(std::string_view commandLine) {
  if (host::Trim(commandLine).empty()) return 0;
  allocConsole();
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
  allocConsole();
  hConsoleIn = getStdHandle(STD_INPUT_HANDLE);
  hConsoleOut = getStdHandle(STD_OUTPUT_HANDLE);
  setConsoleMode(hConsoleIn, EchoOnly);
  WriteConsoleText("\r\n");
  WriteConsoleText("Enter filename (with full path and extension) or 'EXIT' to close..\r\n");
  WriteConsoleText("\r\n");
  for (;;) {
    WriteConsoleText(host::CurDir() + ">");
    const std::string line = ReadConsoleLine();
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
