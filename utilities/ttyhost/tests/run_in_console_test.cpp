#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

#include "host/runtime/error.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/message_loop.h"
#include "host/win32/unique_handle.h"
#include "utilities/ttyhost/module1.h"
#include "utilities/ttyhost/tests/batch_file.h"
#include "utilities/ttyhost/tests/console_typist.h"

namespace ttyhost {
namespace {

using RunInConsoleTest = testing::WithoutAConsole;

TEST_F(RunInConsoleTest, BlanksOnlyDoNothing) {
  // A console of our own would be released by any FreeConsole.
  ASSERT_TRUE(AllocConsole());
  const HWND console = GetConsoleWindow();
  host::Err().Clear();
  EXPECT_EQ(RunInConsole("   "), 0);
  EXPECT_EQ(RunInConsole(""), 0);
  EXPECT_EQ(GetConsoleWindow(), console);
  EXPECT_EQ(host::Err().Number(), 0) << "nothing was launched";
  FreeConsole();
}

TEST_F(RunInConsoleTest, WithoutTheBatchFileItReleasesTheConsoleAndShowsNoMessage) {
  ASSERT_EQ(GetFileAttributesA("test.bat"), INVALID_FILE_ATTRIBUTES);
  host::Err().Clear();
  const host::testing::MessageBoxWatcher watcher;
  EXPECT_EQ(RunInConsole("test.bat"), 0);
  EXPECT_EQ(host::Err().Number(), 53) << "the failed launch was trapped";
  EXPECT_EQ(GetConsoleWindow(), nullptr);
  host::testing::PumpFor(std::chrono::milliseconds(200));
  EXPECT_TRUE(watcher.Seen().empty());
  EXPECT_EQ(hConsoleIn, nullptr) << "the prompt's handles are not touched";
  EXPECT_EQ(hConsoleOut, nullptr);
}

TEST_F(RunInConsoleTest, StartsTheCommandInTheConsoleAndReleasesIt) {
  const testing::MarkingBatchFile batch("test.bat");
  const host::Long processId = RunInConsole("test.bat");
  ASSERT_NE(processId, 0);
  EXPECT_EQ(GetConsoleWindow(), nullptr);
  const host::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId)));
  if (process) WaitForSingleObject(process.get(), 10000);
  EXPECT_TRUE(batch.WaitUntilRun());
}

}  // namespace
}  // namespace ttyhost
