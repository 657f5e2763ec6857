#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "host/forms/forms_collection.h"
#include "host/runtime/date.h"
#include "host/services/beep.h"
#include "host/testing/message_box_watcher.h"
#include "wrappers/latchwire/form1.h"

namespace latchwire {
namespace {

using host::testing::MessageBoxWatcher;

// Steps run one per tick of a thread timer, so they run inside whatever
// loop is dispatching: here the control's own. While a message box is up
// (its own loop dispatches the ticks too) the script waits.
class Script {
 public:
  // `giveUp` runs once should the steps not all have run within the time-out,
  // so that a fault fails the test in seconds.
  Script(std::vector<std::function<void()>> steps, std::function<void()> giveUp)
      : steps_(std::move(steps)), giveUp_(std::move(giveUp)) {
    current = this;
    timer_ = SetTimer(nullptr, 0, 150, Tick);
  }
  ~Script() {
    Stop();
    current = nullptr;
  }
  void Stop() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    timer_ = 0;
  }
  std::size_t StepsRun() const { return next_; }

 private:
  static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
  }
  static bool MessageBoxUp() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current == nullptr || current->running_) return;
    if (std::chrono::steady_clock::now() > current->deadline_) {
      current->Stop();
      current->giveUp_();
      return;
    }
    if (MessageBoxUp() || current->next_ >= current->steps_.size()) return;
    current->running_ = true;
    current->steps_[current->next_++]();
    current->running_ = false;
  }

  static inline Script* current = nullptr;
  std::vector<std::function<void()>> steps_;
  std::function<void()> giveUp_;
  std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  std::size_t next_ = 0;
  bool running_ = false;
  UINT_PTR timer_ = 0;
};

LPARAM ClientPoint(int x, int y) { return MAKELPARAM(x, y); }

LPARAM ListItemPoint(const host::ListBox& list, int item) {
  RECT bounds{};
  SendMessageA(list.hWnd(), LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&bounds));
  return ClientPoint(bounds.left + 5, bounds.top + 2);
}

LPARAM ScreenPointOf(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return MAKELPARAM(bounds.left + 40, bounds.top + 8);
}

void PressList(const host::ListBox& list, int item) {
  PostMessageA(list.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, ListItemPoint(list, item));
  PostMessageA(list.hWnd(), WM_LBUTTONUP, 0, ListItemPoint(list, item));
}

class LatchwireDemo : public ::testing::Test {
 protected:
  // Runs the script inside the control's loop; returns once the form is closed.
  void RunWithForm(std::vector<std::function<void()>> steps) {
    form_.Load();
    form_.LatchwireMe1->WindowMessages.Connect(
        [this](host::LongPtr, host::Long& wMsg, host::LongPtr&, host::LongPtr&, host::Long) { seen_.push_back(wMsg); });
    steps.push_back([this] {
      script_->Stop();
      PostMessageA(form_.hWnd(), WM_CLOSE, 0, 0);
    });
    const std::size_t count = steps.size();
    Script script(std::move(steps), [this] {
      ADD_FAILURE() << "the script did not finish in time";
      DestroyWindow(form_.hWnd());
    });
    script_ = &script;
    form_.Show();
    showReturned_ = true;
    EXPECT_EQ(script.StepsRun(), count) << "every step ran before Show returned";
  }

  Form1 form_;
  MessageBoxWatcher watcher_;
  Script* script_ = nullptr;
  std::vector<host::Long> seen_;
  bool showReturned_ = false;
};

TEST_F(LatchwireDemo, TheControlsLoopRunsEveryLaterHandlerAndEndsWithTheForm) {
  RunWithForm({[this] {
    EXPECT_FALSE(showReturned_);
    EXPECT_FALSE(IsWindowVisible(static_cast<host::UserControl&>(*form_.LatchwireMe1).hWnd()));
    EXPECT_EQ(form_.List1.ListCount(), 21);
    EXPECT_NE(std::find(seen_.begin(), seen_.end(), WM_TIMER), seen_.end()) << "the tick passed the event first";
  }});
  EXPECT_FALSE(form_.IsLoaded());
  EXPECT_EQ(host::Forms().Count(), 0);
}

TEST_F(LatchwireDemo, TabInText1NeedsMoreThan99) {
  std::size_t beeps = 0;
  RunWithForm({
      [&] {
        SetFocus(form_.Text1.hWnd());
        beeps = host::BeepCount();
        PostMessageA(form_.Text1.hWnd(), WM_KEYDOWN, VK_TAB, 0);
      },
      [&] {
        EXPECT_EQ(host::BeepCount(), beeps + 1);
        ASSERT_EQ(watcher_.Seen().size(), 1u);
        EXPECT_EQ(watcher_.Seen()[0].text, "Value must be more than 99");
        EXPECT_EQ(GetFocus(), form_.Text1.hWnd()) << "the focus stays";
        form_.Text1.SetText("100");
        PostMessageA(form_.Text1.hWnd(), WM_KEYDOWN, VK_TAB, 0);
      },
      [&] {
        EXPECT_EQ(host::BeepCount(), beeps + 1);
        EXPECT_EQ(watcher_.Seen().size(), 1u);
        EXPECT_EQ(GetFocus(), form_.Command1.hWnd()) << "the focus moves on";
      },
  });
}

TEST_F(LatchwireDemo, MousePressesOnCommand1OnlyBeep) {
  std::size_t beeps = 0;
  int clicks = 0;
  form_.Command1.Click.Connect([&] { ++clicks; });
  RunWithForm({
      [&] {
        beeps = host::BeepCount();
        PostMessageA(form_.Command1.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(5, 5));
        PostMessageA(form_.Command1.hWnd(), WM_LBUTTONUP, 0, ClientPoint(5, 5));
      },
      [&] {
        EXPECT_EQ(host::BeepCount(), beeps + 1);
        EXPECT_EQ(clicks, 0) << "the button is not pressed";
        SendMessageA(form_.Command1.hWnd(), BM_CLICK, 0, 0);
        EXPECT_EQ(clicks, 1) << "only mouse presses are vetoed";
      },
  });
}

TEST_F(LatchwireDemo, WithTheSecondItemSelectedTheListIgnoresTheMouse) {
  std::size_t beeps = 0;
  RunWithForm({
      [&] {
        form_.List1.SetListIndex(1);
        beeps = host::BeepCount();
        PressList(form_.List1, 3);
      },
      [&] {
        EXPECT_EQ(form_.List1.ListIndex(), 1);
        EXPECT_EQ(host::BeepCount(), beeps + 1);
        form_.List1.SetListIndex(0);
        PressList(form_.List1, 3);
      },
      [&] {
        EXPECT_EQ(form_.List1.ListIndex(), 3);
        EXPECT_EQ(host::BeepCount(), beeps + 1);
      },
  });
}

TEST_F(LatchwireDemo, TitleBarPressesShowTheTimeOrBeepAndNeverMoveOrMaximise) {
  RECT before{};
  std::size_t beeps = 0;
  RunWithForm({
      [&] {
        GetWindowRect(form_.hWnd(), &before);
        PostMessageA(form_.hWnd(), WM_NCLBUTTONDOWN, HTCAPTION, ScreenPointOf(form_.hWnd()));
      },
      [&] {
        ASSERT_EQ(watcher_.Seen().size(), 1u);
        const host::Date shown = host::DateFromText(watcher_.Seen()[0].text);
        EXPECT_LT(shown.Serial(), 1.0) << "a time of day: " << watcher_.Seen()[0].text;
        EXPECT_NEAR(shown.Serial(), host::TimeOfDay().Serial(), 10.0 / 86400);
        beeps = host::BeepCount();
        PostMessageA(form_.hWnd(), WM_NCLBUTTONDOWN, HTMAXBUTTON, ScreenPointOf(form_.hWnd()));
      },
      [&] {
        EXPECT_EQ(host::BeepCount(), beeps + 1);
        EXPECT_FALSE(IsZoomed(form_.hWnd()));
        PostMessageA(form_.hWnd(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, ScreenPointOf(form_.hWnd()));
      },
      [&] {
        ASSERT_EQ(watcher_.Seen().size(), 2u);
        EXPECT_EQ(watcher_.Seen()[1].text, "Right+Bottom border clicked.");
        RECT after{};
        GetWindowRect(form_.hWnd(), &after);
        EXPECT_TRUE(EqualRect(&before, &after));
      },
  });
}

}  // namespace
}  // namespace latchwire
