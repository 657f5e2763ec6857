#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/services/beep.h"
#include "host/services/shell.h"
#include "host/testing/entry_point_replacement.h"
#include "host/testing/message_loop.h"
#include "utilities/ttyhost/module1.h"
#include "utilities/ttyhost/tests/console_typist.h"

namespace ttyhost {
namespace {

using ConsolePromptTest = testing::WithoutAConsole;

using testing::ConsoleSession;
using testing::ConsoleTypist;

std::string Prompt() { return host::CurDir() + ">"; }

std::string Contents(const char* path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Types `line` + Enter at the first prompt and returns the screen once the
// next prompt is up.
std::string ScreenAfterTyping(std::string_view line) {
  std::string screen;
  ConsoleTypist typist([&](const ConsoleSession& console) {
    console.WaitForText(Prompt());
    console.Type(line);
    console.Type("\r");
    EXPECT_TRUE(console.WaitForText(Prompt(), 2)) << "the prompt comes back";
    screen = console.Screen();
  });
  ConsolePrompt();
  EXPECT_TRUE(typist.Join()) << "no console was opened";
  return screen;
}

TEST_F(ConsolePromptTest, OpensAConsoleWithTheGreetingAndThePrompt) {
  std::string screen;
  ConsoleTypist typist([&](const ConsoleSession& console) {
    console.WaitForText(Prompt());
    screen = console.Screen();
  });
  ConsolePrompt();
  ASSERT_TRUE(typist.Join());
  EXPECT_EQ(screen, "\nEnter filename (with full path and extension) or 'EXIT' to close..\n\n" + Prompt());
}

TEST_F(ConsolePromptTest, ExitInAnyLetterCaseClosesTheConsoleAndClearsBothHandles) {
  for (const char* exit : {"exit", "EXIT", "eXiT"}) {
    HWND consoleWindow = nullptr;
    ConsoleTypist typist([&](const ConsoleSession& console) {
      console.WaitForText(Prompt());
      consoleWindow = GetConsoleWindow();
      console.Type(std::string(exit) + "\r");
    });
    ConsolePrompt();
    ASSERT_TRUE(typist.Join()) << "a second click opens a new console";
    EXPECT_NE(consoleWindow, nullptr);
    EXPECT_EQ(GetConsoleWindow(), nullptr) << exit;
    EXPECT_EQ(hConsoleIn, nullptr);
    EXPECT_EQ(hConsoleOut, nullptr);
  }
}

TEST_F(ConsolePromptTest, AnEmptyLineOnlyWritesThePromptAgain) {
  const std::string screen = ScreenAfterTyping("");
  const std::size_t first = screen.find(Prompt());
  ASSERT_NE(first, std::string::npos);
  std::string between = screen.substr(first + Prompt().size(), screen.rfind(Prompt()) - first - Prompt().size());
  // The console echoes Enter itself, as a line break or as "^M".
  if (const std::size_t echo = between.find("^M"); echo != std::string::npos) between.erase(echo, 2);
  EXPECT_EQ(between.find_first_not_of("\r\n"), std::string::npos) << screen;
  EXPECT_LE(std::count(between.begin(), between.end(), '\n'), 1) << "no line break of the program's own";
  EXPECT_EQ(screen.find("Bad command"), std::string::npos);
}

TEST_F(ConsolePromptTest, ALineThatCannotStartIsReportedInQuotesFollowedByABlankLine) {
  const std::string screen = ScreenAfterTyping("no_such_program.exe /x");
  EXPECT_NE(screen.find("Bad command or filename \"no_such_program.exe /x\"  Type EXIT to close...\n\n" + Prompt()),
            std::string::npos)
      << screen;
}

TEST_F(ConsolePromptTest, ExitWithABlankBeforeItIsStartedAsAProgram) {
  const std::string screen = ScreenAfterTyping(" EXIT");
  EXPECT_NE(screen.find("Bad command or filename \" EXIT\""), std::string::npos) << screen;
}

TEST_F(ConsolePromptTest, BackspaceRemovesTheLastCharacterAndNothingAtTheStartOfALine) {
  const std::string screen = ScreenAfterTyping("\b\bno_such_progx\bram");
  EXPECT_NE(screen.find("Bad command or filename \"no_such_program\""), std::string::npos) << screen;
}

TEST_F(ConsolePromptTest, ATypedLineStartsThatProgramAsTyped) {
  DeleteFileA("started.txt");
  const std::string screen = ScreenAfterTyping("cmd /c echo Typed As Is>started.txt");
  EXPECT_EQ(screen.find("Bad command"), std::string::npos) << screen;
  EXPECT_TRUE(host::testing::PumpUntil([] { return Contents("started.txt") == "Typed As Is\n"; },
                                       std::chrono::milliseconds(10000)))
      << "the line is started without being upper-cased";
  DeleteFileA("started.txt");
}

// Console input read through the prompt's ReadFile: `scriptedBytes` one byte a call,
// an empty string being a read that succeeds without a byte; past its end a
// read fails as on a closed console.
std::vector<std::string> scriptedBytes;
std::size_t scriptedReads = 0;
BOOL WINAPI ScriptedRead(HANDLE, LPVOID buffer, DWORD, LPDWORD read, LPOVERLAPPED) {
  *read = 0;
  if (scriptedReads >= scriptedBytes.size()) {
    ++scriptedReads;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const std::string& bytes = scriptedBytes[scriptedReads++];
  if (!bytes.empty()) *static_cast<char*>(buffer) = bytes.front();
  *read = static_cast<DWORD>(bytes.size());
  return TRUE;
}

TEST_F(ConsolePromptTest, ReadsWithoutAByteAreRetriedAndAFailedReadEndsThePromptAsExitDoes) {
  const host::testing::EntryPointReplacement scripted("kernel32", "ReadFile", &ScriptedRead);
  struct Case {
    std::vector<std::string> input;
    std::size_t reads;
  };
  for (const Case& c : {Case{{}, 1}, Case{{"", "", "E", "X", "", "I", "T", "\r"}, 8}, Case{{"", "x"}, 3}}) {
    scriptedBytes = c.input;
    scriptedReads = 0;
    ConsolePrompt();
    EXPECT_EQ(scriptedReads, c.reads) << "the prompt ends at EXIT or at the first failed read";
    EXPECT_EQ(GetConsoleWindow(), nullptr) << "the console is released";
    EXPECT_EQ(hConsoleIn, nullptr);
    EXPECT_EQ(hConsoleOut, nullptr);
  }
}

TEST_F(ConsolePromptTest, WithAConsoleAlreadyOpenItOnlyBeeps) {
  const std::size_t beeps = host::BeepCount();
  hConsoleOut = GetCurrentProcess();
  ConsolePrompt();
  EXPECT_EQ(host::BeepCount(), beeps + 1);
  EXPECT_EQ(GetConsoleWindow(), nullptr) << "no console was opened";
  EXPECT_EQ(hConsoleOut, GetCurrentProcess()) << "the handles are left alone";
  hConsoleOut = nullptr;
}

}  // namespace
}  // namespace ttyhost
