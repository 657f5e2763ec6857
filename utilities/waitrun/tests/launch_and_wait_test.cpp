#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "host/services/shell.h"
#include "host/testing/message_loop.h"
#include "host/win32/unique_handle.h"
#include "utilities/waitrun/form1.h"
#include "utilities/waitrun/module1.h"
#include "utilities/waitrun/tests/stand_in.h"

namespace waitrun {
namespace {

using testing::EndStandIns;
using testing::HandleCount;
using testing::HasEnded;
using testing::kOutlivesTheTest;
using testing::SetStandInLifetime;
using testing::WaitForStandIns;

// What the form looked like from inside the wait, seen by a timer that only
// runs when the wait loop processes messages.
struct WaitObservation {
  HWND form = nullptr;
  std::vector<bool> enabled;
  bool invalidated = false;
  bool repainted = false;
};
WaitObservation observation;

void CALLBACK ObserveWhileWaiting(HWND, UINT, UINT_PTR, DWORD) {
  observation.enabled.push_back(IsWindowEnabled(observation.form) != 0);
  if (!observation.invalidated) {
    InvalidateRect(observation.form, nullptr, TRUE);
    observation.invalidated = true;
  } else if (GetUpdateRect(observation.form, nullptr, FALSE) == 0) {
    observation.repainted = true;
  }
}

bool laterPollRan = false;
void CALLBACK MarkLaterPoll(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  laterPollRan = true;
}
// Runs in the wait's first message processing: lets the started program end
// before the first poll, then arms a timer that only a second poll would run.
void CALLBACK EndStandInBeforeFirstPoll(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  WaitForStandIns();
  SetTimer(nullptr, 0, 100, MarkLaterPoll);
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetWindow(lower, GW_HWNDPREV); window != nullptr; window = GetWindow(window, GW_HWNDPREV)) {
    if (window == upper) return true;
  }
  return false;
}

class LaunchAndWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    WaitForStandIns();
  }
  void TearDown() override {
    EndStandIns();
    form.Unload();
  }
  Form1 form;
};

TEST_F(LaunchAndWaitTest, WithoutWaitingTheFormStaysEnabledAndTheHandleIsClosedAtOnce) {
  SetStandInLifetime(kOutlivesTheTest);
  const DWORD handles = HandleCount();
  const host::Long processId = LaunchAndWait("Calc.exe", host::vbNormalFocus, &form, false);
  EXPECT_EQ(HandleCount(), handles);
  ASSERT_NE(processId, 0);
  EXPECT_FALSE(HasEnded(static_cast<DWORD>(processId))) << "returned while the program runs";
  EXPECT_TRUE(form.Enabled());
}

TEST_F(LaunchAndWaitTest, WaitingDisablesTheFormUntilTheProgramEndsWhileItKeepsPainting) {
  SetStandInLifetime(800);
  observation = WaitObservation{};
  observation.form = form.hWnd();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ObserveWhileWaiting);
  const DWORD handles = HandleCount();
  const host::Long processId = LaunchAndWait("Calc.exe", host::vbNormalFocus, &form, true);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(HasEnded(static_cast<DWORD>(processId)));
  EXPECT_EQ(HandleCount(), handles);
  ASSERT_GE(observation.enabled.size(), 2u) << "messages were processed while waiting";
  EXPECT_EQ(observation.enabled, std::vector<bool>(observation.enabled.size(), false));
  EXPECT_TRUE(observation.repainted);
  EXPECT_TRUE(form.Enabled());
}

TEST_F(LaunchAndWaitTest, AfterTheWaitTheFormIsBroughtToTheTop) {
  SetStandInLifetime(300);
  const host::UniqueWindow other(
      CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr));
  SetForegroundWindow(other.get());
  ASSERT_TRUE(IsAbove(other.get(), form.hWnd()));
  LaunchAndWait("Calc.exe", host::vbNormalFocus, &form, true);
  EXPECT_TRUE(IsAbove(form.hWnd(), other.get()));
  EXPECT_EQ(GetForegroundWindow(), form.hWnd());
}

TEST_F(LaunchAndWaitTest, AProgramThatHasEndedLeavesTheWaitOnTheFirstPoll) {
  SetStandInLifetime(0);
  laterPollRan = false;
  SetTimer(nullptr, 0, 1, EndStandInBeforeFirstPoll);
  ASSERT_TRUE(host::testing::WaitUntilQueued(WM_TIMER));
  const host::Long processId = LaunchAndWait("Calc.exe", host::vbNormalFocus, &form, true);
  EXPECT_TRUE(HasEnded(static_cast<DWORD>(processId)));
  EXPECT_FALSE(laterPollRan);
  EXPECT_TRUE(form.Enabled());
  host::testing::PumpUntil([] { return laterPollRan; });
}

TEST_F(LaunchAndWaitTest, WithoutAFormItWaitsAllTheSame) {
  SetStandInLifetime(300);
  const host::Long processId = LaunchAndWait("Calc.exe", host::vbNormalFocus, nullptr, true);
  EXPECT_TRUE(HasEnded(static_cast<DWORD>(processId)));
}

}  // namespace
}  // namespace waitrun
