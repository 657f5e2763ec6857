#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/testing/message_box_watcher.h"
#include "subclassing/barbuild/form1.h"
#include "subclassing/barbuild/module1.h"

namespace barbuild {
namespace {

using host::testing::MessageBoxWatcher;

std::string MenuText(HMENU menu, UINT position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

std::string ExpectedLabel(HMENU bar, int menuId) {
  return "Menuhandle: " + std::to_string(reinterpret_cast<LONG_PTR>(bar)) + "\r\n\r\nMenuID: " + std::to_string(menuId);
}

// The bar and pop-up a build attached to the window.
struct BuiltMenus {
  HMENU bar;
  HMENU popup;
};

class BarbuildTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Show(); }
  void TearDown() override { form.Unload(); }

  BuiltMenus Choose(host::Integer index) {
    SendMessageA(form.Option1(index).hWnd(), BM_CLICK, 0, 0);
    const HMENU bar = GetMenu(form.hWnd());
    return {bar, bar != nullptr ? GetSubMenu(bar, 0) : nullptr};
  }
  void Command(WPARAM wParam) { SendMessageA(form.hWnd(), WM_COMMAND, wParam, 0); }

  Form1& form = Form1Instance();
};

TEST_F(BarbuildTest, TheFormWindowRunsThroughMenuWindowProc) {
  EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Module1::MenuWindowProc));
  EXPECT_NE(Module1::OldWindowProc, 0);
  EXPECT_EQ(GetMenu(form.hWnd()), nullptr) << "no menu until one is added";
}

TEST_F(BarbuildTest, AddMenuBuildsOnePopupWithFourItems) {
  const BuiltMenus built = Choose(1);
  ASSERT_NE(built.bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(built.bar), 1);
  EXPECT_EQ(MenuText(built.bar, 0), "POPUPMENU 1");
  ASSERT_NE(built.popup, nullptr);
  ASSERT_EQ(GetMenuItemCount(built.popup), 4);
  for (UINT item = 0; item < 4; ++item) {
    EXPECT_EQ(GetMenuItemID(built.popup, static_cast<int>(item)), 2025 + item);
    EXPECT_EQ(MenuText(built.popup, item), "SubMenu " + std::to_string(item + 1));
  }
}

TEST_F(BarbuildTest, ChoosingAnItemShowsTheBarAndItsNumberInTheLabel) {
  const BuiltMenus built = Choose(1);
  MessageBoxWatcher watcher;
  Command(2027);
  EXPECT_EQ(form.Label1.Caption(), ExpectedLabel(built.bar, 1003));
  EXPECT_TRUE(watcher.Seen().empty());
  Command(2025);
  EXPECT_EQ(form.Label1.Caption(), ExpectedLabel(built.bar, 1001));
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].text, "Hello World");
  EXPECT_EQ(watcher.Seen()[0].buttons, std::vector<std::string>{"OK"});
}

TEST_F(BarbuildTest, TheTestIsOnTheWholeWParam) {
  const BuiltMenus built = Choose(1);
  form.Label1.SetCaption("unchanged");
  Command(2024);
  EXPECT_EQ(form.Label1.Caption(), "unchanged");
  Command(MAKEWPARAM(100, 1));  // a low word of 100, but the whole value is 65636
  EXPECT_EQ(form.Label1.Caption(), ExpectedLabel(built.bar, 65636 - 1024));
}

TEST_F(BarbuildTest, NoMenuRemovesTheBarAndDestroysBothMenus) {
  const BuiltMenus built = Choose(1);
  Choose(0);
  EXPECT_EQ(GetMenu(form.hWnd()), nullptr);
  EXPECT_FALSE(IsMenu(built.bar));
  EXPECT_FALSE(IsMenu(built.popup));
  Choose(0);
  EXPECT_EQ(GetMenu(form.hWnd()), nullptr) << "a second No menu changes nothing";
}

TEST_F(BarbuildTest, EachBuildReplacesTheMenusAndEveryMenuIsDestroyedOnce) {
  std::vector<HMENU> built;
  for (int round = 0; round < 3; ++round) {
    const BuiltMenus menus = Choose(1);
    ASSERT_NE(menus.bar, nullptr);
    // A menu destroyed twice could take down a new one that reuses its handle.
    for (const HMENU old : built) EXPECT_FALSE(IsMenu(old));
    EXPECT_TRUE(IsMenu(menus.bar));
    EXPECT_TRUE(IsMenu(menus.popup));
    built.push_back(menus.bar);
    built.push_back(menus.popup);
  }
  form.Unload();
  for (const HMENU menu : built) EXPECT_FALSE(IsMenu(menu));
}

TEST_F(BarbuildTest, TheFormsOwnProcedureIsSavedAtLoadAndPutBackAtUnload) {
  EXPECT_EQ(Module1::OldWindowProc, static_cast<LONG_PTR>(GetClassLongPtrA(form.hWnd(), GCLP_WNDPROC)));
  Choose(1);
  form.Unload();
  EXPECT_EQ(Module1::OldWindowProc, 0);
  form.Show();
  EXPECT_EQ(Module1::OldWindowProc, static_cast<LONG_PTR>(GetClassLongPtrA(form.hWnd(), GCLP_WNDPROC)))
      << "a second load subclasses the form's own procedure again, not ours";
}

}  // namespace
}  // namespace barbuild
