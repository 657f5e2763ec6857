#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/runtime/date.h"
#include "host/services/beep.h"
#include "host/services/message_box.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/message_loop.h"
#include "subclassing/alertspot/form1.h"
#include "subclassing/alertspot/positioned_msgbox.h"

namespace alertspot {
namespace {

using host::testing::MessageBoxRecord;
using host::testing::MessageBoxWatcher;

constexpr std::string_view kPrompt = "Where am I?";

int WidthOf(const RECT& bounds) { return bounds.right - bounds.left; }
int HeightOf(const RECT& bounds) { return bounds.bottom - bounds.top; }

class PositionedMsgBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    ASSERT_TRUE(host::testing::PumpUntil([&] { return GetActiveWindow() == form.hWnd(); }));
    ownProcedure = GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC);
  }
  void TearDown() override { form.Unload(); }

  // Where and how large the system makes the same box when left alone.
  RECT SystemBounds() {
    MessageBoxWatcher watcher;
    host::MsgBox(kPrompt, host::vbOKCancel);
    return watcher.Seen().at(0).bounds;
  }

  MessageBoxRecord Positioned(host::Long X, host::Long Y, int answer = IDOK, host::Long* pressed = nullptr) {
    MessageBoxWatcher watcher(answer);
    const host::Long result = Alertspot::PositionedMsgBox(X, Y, kPrompt, host::vbOKCancel);
    if (pressed != nullptr) *pressed = result;
    EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), ownProcedure) << "the form's own procedure is back";
    return watcher.Seen().at(0);
  }

  Form1 form;
  LONG_PTR ownProcedure = 0;
};

TEST_F(PositionedMsgBoxTest, TheBoxOpensAtThePositionAndKeepsItsSize) {
  const RECT system = SystemBounds();
  host::Long pressed = 0;
  const MessageBoxRecord box = Positioned(300, 200, IDCANCEL, &pressed);
  EXPECT_EQ(box.bounds.left, 300);
  EXPECT_EQ(box.bounds.top, 200);
  EXPECT_EQ(WidthOf(box.bounds), WidthOf(system));
  EXPECT_EQ(HeightOf(box.bounds), HeightOf(system));
  EXPECT_EQ(box.text, kPrompt);
  EXPECT_EQ(pressed, host::vbCancel);
}

TEST_F(PositionedMsgBoxTest, TitleHelpFileAndContextArePassedOnToTheRuntimesBox) {
  MessageBoxWatcher watcher;
  EXPECT_EQ(Alertspot::PositionedMsgBox(120, 80, kPrompt, host::vbOKOnly, "Placed", "alertspot.hlp", 7), host::vbOK);
  const MessageBoxRecord& box = watcher.Seen().at(0);
  EXPECT_EQ(box.title, "Placed");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK", "Help"}));
  EXPECT_EQ(box.bounds.left, 120);
  EXPECT_EQ(box.bounds.top, 80);
  EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), ownProcedure);
}

TEST_F(PositionedMsgBoxTest, ANegativeCoordinateKeepsTheSystemsChoiceOnThatAxis) {
  const RECT system = SystemBounds();
  const RECT both = Positioned(-1, -1).bounds;
  EXPECT_EQ(both.left, system.left);
  EXPECT_EQ(both.top, system.top);
  const RECT leftEdge = Positioned(0, -1).bounds;
  EXPECT_EQ(leftEdge.left, 0) << "0 is a position";
  EXPECT_EQ(leftEdge.top, system.top);
}

TEST_F(PositionedMsgBoxTest, NearTheScreenEdgeTheBoxIsNotPulledBack) {
  const RECT system = SystemBounds();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const RECT box = Positioned(screenWidth - 20, 10).bounds;
  EXPECT_EQ(box.left, screenWidth - 20);
  EXPECT_EQ(WidthOf(box), WidthOf(system));
}

TEST_F(PositionedMsgBoxTest, WithoutAnActiveWindowTheBoxOpensWhereTheSystemPutsIt) {
  form.Hide();
  ASSERT_TRUE(host::testing::PumpUntil([] { return GetActiveWindow() == nullptr; }));
  MessageBoxWatcher watcher;
  EXPECT_EQ(Alertspot::PositionedMsgBox(0, 0, kPrompt), host::vbOK);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_NE(watcher.Seen()[0].bounds.left, 0);
  EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), ownProcedure);
}

TEST_F(PositionedMsgBoxTest, TheButtonOpensAnInformationBoxAtItsTopRightCornerEveryTime) {
  RECT button{};
  GetWindowRect(form.Command1.hWnd(), &button);
  MessageBoxWatcher watcher;
  const std::size_t beeps = host::BeepCount();
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(host::BeepCount(), beeps + 2);
  ASSERT_EQ(watcher.Seen().size(), 2u);
  for (const MessageBoxRecord& box : watcher.Seen()) {
    EXPECT_EQ(box.bounds.left, button.right);
    EXPECT_EQ(box.bounds.top, button.top);
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box.icon, LoadIcon(nullptr, IDI_INFORMATION));
    EXPECT_NO_THROW(host::DateFromText(box.text)) << "the prompt is the time of day: " << box.text;
  }
  EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), ownProcedure);
}

}  // namespace
}  // namespace alertspot
