#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "host/services/screen.h"
#include "host/testing/entry_point_replacement.h"
#include "host/testing/message_box_watcher.h"
#include "host/services/shell.h"
#include "utilities/ttyhost/form1.h"
#include "utilities/ttyhost/module1.h"
#include "utilities/ttyhost/tests/batch_file.h"
#include "utilities/ttyhost/tests/console_typist.h"

namespace ttyhost {
namespace {

using Form1Test = testing::WithoutAConsole;

TEST_F(Form1Test, HasTheTwoButtonsOfTheDescription) {
  Form1 form;
  form.Load();
  EXPECT_EQ(form.Caption(), "Form1");
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, host::PixelsFromTwipsX(4056));
  EXPECT_EQ(client.bottom, host::PixelsFromTwipsY(840));
  EXPECT_EQ(form.Command1.Caption(), "Run console...");
  EXPECT_EQ(form.Command2.Caption(), "Run Test.bat");
  const host::Long twipsX = host::Screen().TwipsPerPixelX();
  EXPECT_EQ(form.Command1.Left(), host::PixelsFromTwipsX(240) * twipsX);
  EXPECT_EQ(form.Command2.Left(), host::PixelsFromTwipsX(2100) * twipsX);
  EXPECT_EQ(form.Command1.Top(), form.Command2.Top());
  EXPECT_EQ(form.Command1.Width(), host::PixelsFromTwipsX(1632) * twipsX);
  form.Unload();
}

TEST_F(Form1Test, Command1RunsThePromptInANewConsole) {
  Form1 form;
  form.Show();
  // A box saying no console could be had is answered, so the test fails instead of waiting.
  host::testing::MessageBoxWatcher watcher;
  bool prompted = false;
  testing::ConsoleTypist typist(
      [&](const testing::ConsoleSession& console) { prompted = console.WaitForText(host::CurDir() + ">"); });
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen().front().text;
  EXPECT_TRUE(typist.Join());
  EXPECT_TRUE(prompted);
  EXPECT_EQ(hConsoleIn, nullptr);
  form.Unload();
}

TEST_F(Form1Test, Command1GivenItsParentsConsoleOpensOneOfItsOwn) {
  ASSERT_TRUE(AllocConsole()) << "stands for the console a parent hands down";
  const HWND inherited = testing::ConsoleWindowOnceShown();
  ASSERT_NE(inherited, nullptr);
  Form1 form;
  form.Show();
  host::testing::MessageBoxWatcher watcher;
  bool prompted = false;
  testing::ConsoleTypist typist(
      [&](const testing::ConsoleSession& console) { prompted = console.WaitForText(host::CurDir() + ">"); }, inherited);
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen().front().text;
  EXPECT_TRUE(typist.Join()) << "a console of its own was opened";
  EXPECT_TRUE(prompted);
  EXPECT_EQ(GetConsoleWindow(), nullptr) << "released at EXIT";
  form.Unload();
}

BOOL WINAPI NoConsoleToBeHad() {
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

TEST_F(Form1Test, Command1WithoutAnyConsoleSaysWhyAndTheFormGoesOn) {
  const host::testing::EntryPointReplacement failing("kernel32", "AllocConsole", &NoConsoleToBeHad);
  Form1 form;
  form.Show();
  host::testing::MessageBoxWatcher watcher;
  for (int click = 1; click <= 2; ++click) {
    SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
    ASSERT_EQ(watcher.Seen().size(), static_cast<std::size_t>(click)) << "every click is answered";
    const std::string& text = watcher.Seen().back().text;
    EXPECT_EQ(text.rfind("No console could be opened: ", 0), 0u) << text;
    EXPECT_NE(text.find("denied"), std::string::npos) << "the system's reason in words: " << text;
    EXPECT_EQ(hConsoleIn, nullptr);
    EXPECT_EQ(hConsoleOut, nullptr);
  }
  form.Unload();
}

TEST_F(Form1Test, Command2StartsTestBatFromTheCurrentDirectory) {
  const testing::MarkingBatchFile batch("test.bat");
  Form1 form;
  form.Show();
  SendMessageA(form.Command2.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(GetConsoleWindow(), nullptr);
  EXPECT_TRUE(batch.WaitUntilRun());
  form.Unload();
}

}  // namespace
}  // namespace ttyhost
