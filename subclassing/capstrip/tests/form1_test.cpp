#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/services/app.h"
#include "host/services/beep.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/message_loop.h"
#include "subclassing/capstrip/application.h"
#include "subclassing/capstrip/enable_capstrip.h"
#include "subclassing/capstrip/form1.h"

namespace capstrip {
namespace {

using host::testing::MessageBoxWatcher;

struct Item {
  host::Integer checkBox;
  host::Long command;
};
constexpr Item kItems[] = {{0, SC_RESTORE},  {1, SC_MOVE},     {2, SC_SIZE},
                           {3, SC_MINIMIZE}, {4, SC_MAXIMIZE}, {5, SC_CLOSE}};

// State and text of a window-menu item under one identifier; nullopt when
// no item has it.
struct ItemState {
  bool grayed;
  std::string text;
  bool operator==(const ItemState&) const = default;
};
std::optional<ItemState> Find(HWND window, host::Long identifier) {
  const HMENU menu = GetSystemMenu(window, FALSE);
  const UINT state = GetMenuState(menu, static_cast<UINT>(identifier), MF_BYCOMMAND);
  if (state == static_cast<UINT>(-1)) return std::nullopt;
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(identifier), text, sizeof text, MF_BYCOMMAND);
  return ItemState{(state & MF_GRAYED) != 0, text};
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

class CapstripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::App().SetTitle(ApplicationTitle);
    form.Show();
  }
  void TearDown() override { form.Unload(); }

  void Click(host::Integer index) { SendMessageA(form.Check1(index).hWnd(), BM_CLICK, 0, 0); }

  Form1 form;
};

TEST_F(CapstripTest, UncheckingGraysTheItemUnderTheNegatedIdentifierAndCheckingRestoresIt) {
  for (const Item& item : kItems) {
    SCOPED_TRACE(item.command);
    ASSERT_EQ(form.Check1(item.checkBox).Value(), host::vbChecked) << "loading checks every box";
    const std::string text = Find(form.hWnd(), item.command).value().text;
    Click(item.checkBox);
    EXPECT_FALSE(Find(form.hWnd(), item.command));
    EXPECT_EQ(Find(form.hWnd(), -item.command), (ItemState{true, text}));
    Click(item.checkBox);
    EXPECT_FALSE(Find(form.hWnd(), -item.command));
    EXPECT_EQ(Find(form.hWnd(), item.command), (ItemState{false, text}));
  }
}

TEST_F(CapstripTest, MinimizeAndMaximizeSwitchTheirTitleBarBoxesAndOnlyThey) {
  const LONG all = StyleOf(form.hWnd());
  ASSERT_EQ(all & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_MINIMIZEBOX | WS_MAXIMIZEBOX) << "switched on at load";
  Click(3);
  EXPECT_EQ(StyleOf(form.hWnd()), all & ~WS_MINIMIZEBOX);
  Click(4);
  EXPECT_EQ(StyleOf(form.hWnd()), all & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  Click(0);
  Click(1);
  Click(2);
  Click(5);
  EXPECT_EQ(StyleOf(form.hWnd()), all & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  Click(3);
  Click(4);
  EXPECT_EQ(StyleOf(form.hWnd()), all);
}

TEST_F(CapstripTest, GrayingTwiceFindsTheItemUnderTheNegatedIdentifier) {
  const std::string text = Find(form.hWnd(), SC_MOVE).value().text;
  EnableCapstrip(form, SC_MOVE, host::False, "");
  EnableCapstrip(form, SC_MOVE, host::False, "");
  EXPECT_EQ(Find(form.hWnd(), -SC_MOVE), (ItemState{true, text}));
  EXPECT_FALSE(Find(form.hWnd(), SC_MOVE));
}

TEST_F(CapstripTest, ANewCaptionRenamesInEitherDirectionAndABlankOneKeepsTheText) {
  EnableCapstrip(form, SC_SIZE, host::False, "Shrunk");
  EXPECT_EQ(Find(form.hWnd(), -SC_SIZE), (ItemState{true, "Shrunk"}));
  EnableCapstrip(form, SC_SIZE, host::True, "Grown");
  EXPECT_EQ(Find(form.hWnd(), SC_SIZE), (ItemState{false, "Grown"}));
  EnableCapstrip(form, SC_SIZE, host::False, "   ");
  EXPECT_EQ(Find(form.hWnd(), -SC_SIZE), (ItemState{true, "Grown"}));
}

TEST_F(CapstripTest, AnIdentifierUnderNeitherFormChangesNothing) {
  const HMENU menu = GetSystemMenu(form.hWnd(), FALSE);
  const int items = GetMenuItemCount(menu);
  const LONG style = StyleOf(form.hWnd());
  EnableCapstrip(form, 0x1234, host::False, "Nothing");
  EXPECT_EQ(GetMenuItemCount(menu), items);
  EXPECT_EQ(StyleOf(form.hWnd()), style);
  EXPECT_FALSE(Find(form.hWnd(), -0x1234));
}

TEST_F(CapstripTest, ClosingFromTheWindowMenuAsksAndCancelKeepsTheForm) {
  const std::size_t beeps = host::BeepCount();
  {
    MessageBoxWatcher watcher(IDCANCEL);
    SendMessageA(form.hWnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text, "Close capstrip ?");
    EXPECT_EQ(watcher.Seen()[0].buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_EQ(watcher.Seen()[0].icon, LoadIcon(nullptr, IDI_QUESTION));
  }
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(host::BeepCount(), beeps + 1);
  MessageBoxWatcher watcher(IDOK);
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(watcher.Seen().size(), 1u);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(CapstripTest, ExitFromTheFileMenuClosesWithoutAsking) {
  const HMENU file = GetSubMenu(GetMenu(form.hWnd()), 0);
  ASSERT_EQ(GetMenuItemCount(file), 4);
  char text[32] = {};
  GetMenuStringA(file, 3, text, sizeof text, MF_BYPOSITION);
  ASSERT_STREQ(text, "E&xit");
  MessageBoxWatcher watcher;
  SendMessageA(form.hWnd(), WM_COMMAND, GetMenuItemID(file, 3), 0);
  EXPECT_TRUE(watcher.Seen().empty());
  EXPECT_FALSE(form.IsLoaded());
}

}  // namespace
}  // namespace capstrip
