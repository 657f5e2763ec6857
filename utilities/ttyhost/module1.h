#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "host/runtime/types.h"

namespace ttyhost {

// The console this program allocated; both 0 while none is open. The console
// owns them, so they are forgotten when it is released, never closed.
extern HANDLE hConsoleIn;
extern HANDLE hConsoleOut;

// Writes the text's bytes to the console with one call; nothing for "".
void WriteConsoleText(std::string_view text);
// One byte from the console input as a one-character text; "" when none came,
// nothing when the console cannot be read.
std::optional<std::string> ReadConsoleChar();
// One typed line without its CR; backspace removes the last character.
// Nothing when the console cannot be read.
std::optional<std::string> ReadConsoleLine();
// Starts the command line in a console of its own and releases the console
// at once; returns the process id, 0 when nothing was started.
host::Long RunInConsole(std::string_view commandLine);
// Opens a console and starts each line typed there until "EXIT" closes it or
// the console can no longer be read. When no console can be opened, a message
// box says why and both handles stay 0.
void ConsolePrompt();

}  // namespace ttyhost
