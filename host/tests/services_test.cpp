#include <gtest/gtest.h>

#include <cmath>

#include "host/runtime/error.h"
#include "host/services/app.h"
#include "host/services/beep.h"
#include "host/services/message_box.h"
#include "host/services/screen.h"
#include "host/services/shell.h"
#include "host/services/timer.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/raised_error.h"
#include "host/testing/message_loop.h"
#include "host/win32/dc_scope.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

TEST(Beep, EachBeepIsCounted) {
  const std::size_t before = BeepCount();
  Beep();
  Beep();
  EXPECT_EQ(BeepCount(), before + 2);
}

TEST(Rnd, FollowsTheRuntimeSequence) {
  EXPECT_NEAR(Rnd(), 0.7055475, 1e-6);
  EXPECT_NEAR(Rnd(), 0.533424, 1e-6);
  for (int i = 0; i < 1000; ++i) {
    const Single value = Rnd();
    ASSERT_GE(value, 0.0f);
    ASSERT_LT(value, 1.0f);
  }
}

TEST(Timer, CountsSecondsSinceMidnight) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const double expected = now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond;
  EXPECT_NEAR(Timer(), expected, 2.0);
}

TEST(Shell, StartsAProgramAndReturnsItsProcessId) {
  const Long processId = Shell("cmd.exe /c exit 0", vbHide);
  ASSERT_NE(processId, 0);
  const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId)));
  ASSERT_TRUE(process);
  EXPECT_NE(WaitForSingleObject(process.get(), 10000), WAIT_TIMEOUT);
}

TEST(Shell, RaisesFileNotFoundWhenNothingStarts) {
  EXPECT_EQ(testing::ErrorNumberOf([] { Shell("no_such_program_here.exe", vbNormalFocus); }), 53);
}

TEST(Shell, RejectsAnUnknownWindowStyle) {
  EXPECT_EQ(testing::ErrorNumberOf([] { Shell("cmd.exe /c exit 0", 5); }), 5);
}

int timerCalls = 0;
void CALLBACK CountTimerCall(HWND, UINT, UINT_PTR, DWORD) { ++timerCalls; }

TEST(DoEvents, DispatchesWhatIsQueued) {
  timerCalls = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, CountTimerCall);
  ASSERT_TRUE(testing::WaitUntilQueued(WM_TIMER));
  DoEvents();
  KillTimer(nullptr, timer);
  EXPECT_GE(timerCalls, 1);
}

TEST(CurDir, IsTheProcessCurrentDirectory) {
  char expected[MAX_PATH] = {};
  GetFullPathNameA(".", MAX_PATH, expected, nullptr);
  EXPECT_EQ(CurDir(), expected);
}

// The test display runs at 96 dots per inch, where a pixel is 15 twips.
TEST(Screen, MeasuresInTwips) {
  const WindowDC screen(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen.dc(), LOGPIXELSX), 96);
  EXPECT_EQ(Screen().TwipsPerPixelX(), 15);
  EXPECT_EQ(Screen().TwipsPerPixelY(), 15);
  EXPECT_EQ(Screen().Width(), GetSystemMetrics(SM_CXSCREEN) * 15);
  EXPECT_EQ(Screen().Height(), GetSystemMetrics(SM_CYSCREEN) * 15);
  struct Case {
    double twips;
    Long pixels;
  };
  // Halves go to the even neighbour.
  for (const Case c : {Case{1500, 100}, Case{1507, 100}, Case{1508, 101}, Case{22.5, 2}, Case{37.5, 2}}) {
    EXPECT_EQ(PixelsFromTwipsX(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(PixelsFromTwipsY(c.twips), c.pixels) << c.twips;
  }
}

TEST(App, TitleDefaultsToTheProgramNameAndCanBeSet) {
  EXPECT_EQ(App().Title(), "host_services_test");
  EXPECT_EQ(App().hInstance(), GetModuleHandleA(nullptr));
  App().SetTitle("Other");
  EXPECT_EQ(App().Title(), "Other");
}

TEST(MsgBox, ReturnsTheButtonPressedAndTheWatcherSeesItsParts) {
  testing::MessageBoxWatcher watcher(IDNO);
  EXPECT_EQ(MsgBox("Question?", vbYesNo | vbInformation, "Title"), vbNo);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  const testing::MessageBoxRecord& box = watcher.Seen()[0];
  EXPECT_EQ(box.text, "Question?");
  EXPECT_EQ(box.title, "Title");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
  ASSERT_EQ(box.buttonFontHandles.size(), 2u);
  EXPECT_NE(box.buttonFontHandles[0], nullptr) << "the dialog font, which goes with the box";
  EXPECT_EQ(box.icon, LoadIcon(nullptr, IDI_INFORMATION)) << "the shared system icon";
}

TEST(MsgBox, AHelpFileAddsAHelpButtonAndNoneLeavesTheBoxAsItWas) {
  testing::MessageBoxWatcher watcher(IDOK);
  EXPECT_EQ(MsgBox("With help", vbOKOnly, "Title", "demo.hlp", 42), vbOK);
  EXPECT_EQ(MsgBox("Without", vbOKOnly, "Title", "", 42), vbOK);
  ASSERT_EQ(watcher.Seen().size(), 2u);
  EXPECT_EQ(watcher.Seen()[0].buttons, (std::vector<std::string>{"OK", "Help"}));
  EXPECT_EQ(watcher.Seen()[1].buttons, (std::vector<std::string>{"OK"}));
}

}  // namespace
}  // namespace host
