#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "host/controls/command_button.h"
#include "host/controls/control_array.h"
#include "host/controls/frame.h"
#include "host/controls/option_button.h"
#include "host/controls/text_box.h"
#include "host/forms/form.h"
#include "host/forms/program.h"
#include "host/services/message_box.h"
#include "host/testing/message_box_watcher.h"
#include "host/tests/probe_control.h"
#include "host/usercontrol/form_control_site.h"

namespace host {
namespace {

using testing_support::ProbeForm;

TEST(FormFocus, TheControlThatHadTheFocusGetsItBackAfterAMessageBox) {
  ProbeForm form;
  form.Show();
  const HWND focused = form.Probe1->hWnd();
  SetFocus(focused);
  ASSERT_EQ(GetFocus(), focused);
  {
    testing::MessageBoxWatcher watcher;
    MsgBox("deactivates the form");
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(GetFocus(), focused);
  form.Unload();
}

class TabForm : public Form {
 public:
  TabForm() : Form("TabForm") {
    Option1.On(&OptionButton::Click, [this](Integer Index) { clicks.push_back(Index); });
  }
  CommandButton Command1{*this, "Command1"};
  TextBox Text1{*this, "Text1"};
  UserControlHost<testing_support::Probe> Probe1{*this, "Probe1"};
  ControlArray<OptionButton> Option1{*this, "Option1"};
  std::vector<Integer> clicks;
};

// Drives the program's own message loop: each tick of a thread timer posts
// the next key to whichever window has the focus and, a tick later, notes
// where the focus went; after the last key the form unloads and Run returns.
struct KeyScript {
  Form& form;
  std::vector<WPARAM> keys;
  std::vector<HWND> focus;
  std::size_t posted = 0;
};
KeyScript* script = nullptr;

void CALLBACK NextKey(HWND, UINT, UINT_PTR timer, DWORD) {
  if (script->posted > 0) script->focus.push_back(GetFocus());
  if (script->posted == script->keys.size()) {
    KillTimer(nullptr, timer);
    script->form.Unload();
    return;
  }
  PostMessageA(GetFocus(), WM_KEYDOWN, script->keys[script->posted++], 1);
}

std::vector<HWND> FocusAfterKeys(TabForm& form, Integer startOption, std::vector<WPARAM> keys) {
  KeyScript run{form, std::move(keys), {}};
  script = &run;
  Run([&] {
    form.Show();
    SetFocus(form.Option1(startOption).hWnd());
    SetTimer(nullptr, 0, 50, NextKey);
  });
  script = nullptr;
  return run.focus;
}

TEST(FormFocus, TabFollowsTabIndexThroughUserControlsAndStopsOnlyAtTheSelectedOption) {
  TabForm form;
  form.Load();
  const std::vector<HWND> expected{form.Probe1->hWnd(), form.Text1.hWnd(), form.Command1.hWnd(),
                                   form.Option1(0).hWnd()};
  EXPECT_EQ(FocusAfterKeys(form, 0, {VK_TAB, VK_TAB, VK_TAB, VK_TAB}), expected);
  EXPECT_TRUE(form.clicks.empty()) << "Tab selects nothing";
}

TEST(FormFocus, ArrowKeysMoveTheSelectionRoundTheGroupInTabOrder) {
  TabForm form;
  form.Load();
  std::vector<HWND> expected{form.Option1(1).hWnd(), form.Option1(2).hWnd(), form.Option1(0).hWnd(),
                             form.Option1(2).hWnd()};
  EXPECT_EQ(FocusAfterKeys(form, 0, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_UP}), expected);
  EXPECT_EQ(form.clicks, (std::vector<Integer>{1, 2, 0, 2}));
  form.Load();
  EXPECT_TRUE(form.Option1(0).Value()) << "a fresh load reads the description again";
  form.Option1(1).SetValue(true);
  EXPECT_EQ(GetWindowLongA(form.Option1(1).hWnd(), GWL_STYLE) & WS_TABSTOP, WS_TABSTOP);
  EXPECT_EQ(GetWindowLongA(form.Option1(0).hWnd(), GWL_STYLE) & WS_TABSTOP, 0) << "one Tab stop per group";
  form.Unload();
}

TEST(FormFocus, TabWalksIntoAUserControlWhoseConstituentsTakeTabStops) {
  TabForm form;
  form.Load();
  const HWND surface = form.Probe1->hWnd();
  const HWND inner = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 60, 20, surface, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(FocusAfterKeys(form, 0, {VK_TAB, VK_TAB}), (std::vector<HWND>{inner, form.Text1.hWnd()}));
}

TEST(FormFocus, TabIndexSetFromCodeReordersUserControlsToo) {
  TabForm form;
  form.Load();
  form.Probe1.SetTabIndex(0);
  EXPECT_EQ(GetWindow(form.hWnd(), GW_CHILD), form.Probe1->hWnd());
  EXPECT_EQ(form.Probe1.TabIndex(), 0);
  form.Unload();
}

}  // namespace
}  // namespace host
