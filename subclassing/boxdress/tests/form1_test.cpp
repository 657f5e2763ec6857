#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/services/beep.h"
#include "host/services/message_box.h"
#include "host/services/shell.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/message_loop.h"
#include "subclassing/boxdress/form1.h"
#include "subclassing/boxdress/module1.h"

namespace boxdress {
namespace {

using host::testing::MessageBoxRecord;
using host::testing::MessageBoxWatcher;

constexpr std::string_view kPrompt = "Dressed?";
const std::string kQuotedAnykey = "\"Anykey...\"";
constexpr host::Long kStyle = host::vbYesNoCancel | host::vbInformation;

int WidthOf(const RECT& bounds) { return bounds.right - bounds.left; }
int HeightOf(const RECT& bounds) { return bounds.bottom - bounds.top; }

bool IsLiveIcon(HICON icon) {
  ICONINFO info{};
  if (GetIconInfo(icon, &info) == 0) return false;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return true;
}

class BoxdressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    ASSERT_TRUE(host::testing::PumpUntil([&] { return GetActiveWindow() == form.hWnd(); }));
    ownProcedure = GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC);
  }
  void TearDown() override { form.Unload(); }

  MessageBoxRecord Positioned(host::Long X, host::Long Y, host::Long style, int answer = IDYES,
                              host::Long* pressed = nullptr) {
    MessageBoxWatcher watcher(answer);
    const host::Long result = Module1::PositionedMsgBox(X, Y, kPrompt, style);
    if (pressed != nullptr) *pressed = result;
    EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), ownProcedure) << "the form's own procedure is back";
    EXPECT_FALSE(Module1::BoxFont) << "freed with the box";
    EXPECT_FALSE(Module1::BoxIcon) << "freed with the box";
    return watcher.Seen().at(0);
  }

  Form1 form;
  LONG_PTR ownProcedure = 0;
};

TEST_F(BoxdressTest, TheButtonsReadHitTheAnykeyAndCancelIsHeavyItalic) {
  host::Long pressed = 0;
  const MessageBoxRecord box = Positioned(200, 100, kStyle, IDCANCEL, &pressed);
  ASSERT_EQ(box.buttons, (std::vector<std::string>{"&Hit", "the", kQuotedAnykey}));
  EXPECT_EQ(box.buttonFonts[2].lfWeight, 900);
  EXPECT_EQ(box.buttonFonts[2].lfItalic, 1);
  EXPECT_EQ(std::string(box.buttonFonts[2].lfFaceName), box.buttonFonts[0].lfFaceName) << "a copy of its own font";
  EXPECT_NE(box.buttonFonts[0].lfWeight, 900) << "the other buttons keep theirs";
  EXPECT_EQ(GetObjectType(box.buttonFontHandles[2]), 0u) << "the heavy font is deleted after the box";
  EXPECT_EQ(pressed, host::vbCancel) << "only the text of Cancel changed";
}

TEST_F(BoxdressTest, TheBoxMovesAndKeepsItsSize) {
  RECT system{};
  {
    MessageBoxWatcher watcher;
    host::MsgBox(kPrompt, kStyle);
    system = watcher.Seen().at(0).bounds;
  }
  const RECT moved = Positioned(200, 100, kStyle).bounds;
  EXPECT_EQ(moved.left, 200);
  EXPECT_EQ(moved.top, 100);
  EXPECT_EQ(WidthOf(moved), WidthOf(system));
  EXPECT_EQ(HeightOf(moved), HeightOf(system));
  const RECT unmoved = Positioned(-1, -1, kStyle).bounds;
  EXPECT_EQ(unmoved.left, system.left);
  EXPECT_EQ(unmoved.top, system.top);
}

TEST_F(BoxdressTest, TheIconStaticShowsTheAnimatedIconUntilTheBoxCloses) {
  const HICON systemIcon = LoadIcon(nullptr, IDI_INFORMATION);
  const MessageBoxRecord box = Positioned(-1, -1, kStyle);
  ASSERT_NE(box.icon, nullptr);
  EXPECT_NE(box.icon, systemIcon);
  EXPECT_FALSE(IsLiveIcon(box.icon)) << "destroyed after the box";
  EXPECT_TRUE(IsLiveIcon(systemIcon));
}

TEST_F(BoxdressTest, WithoutTheCursorFileTheBoxKeepsItsOwnIcon) {
  const std::string programDirectory = host::CurDir();
  char testDirectory[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, testDirectory);
  ASSERT_TRUE(SetCurrentDirectoryA(testDirectory));
  const MessageBoxRecord box = Positioned(-1, -1, kStyle);
  SetCurrentDirectoryA(programDirectory.c_str());
  EXPECT_EQ(box.icon, LoadIcon(nullptr, IDI_INFORMATION));
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Hit", "the", kQuotedAnykey}));
}

TEST_F(BoxdressTest, ABoxWithoutYesNoOrCancelKeepsItsButton) {
  const MessageBoxRecord box = Positioned(50, 60, host::vbOKOnly | host::vbInformation);
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_NE(box.buttonFonts.at(0).lfWeight, 900);
  EXPECT_EQ(box.bounds.left, 50);
  EXPECT_NE(box.icon, LoadIcon(nullptr, IDI_INFORMATION)) << "the icon static is there all the same";
}

TEST_F(BoxdressTest, TheButtonOpensTheDressedBoxAtItsTopRightCorner) {
  RECT button{};
  GetWindowRect(form.Command1.hWnd(), &button);
  MessageBoxWatcher watcher(IDNO);
  const std::size_t beeps = host::BeepCount();
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(host::BeepCount(), beeps + 1);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  const MessageBoxRecord& box = watcher.Seen()[0];
  EXPECT_EQ(box.bounds.left, button.right);
  EXPECT_EQ(box.bounds.top, button.top);
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Hit", "the", kQuotedAnykey}));
  EXPECT_FALSE(Module1::BoxFont);
  EXPECT_FALSE(Module1::BoxIcon);
}

}  // namespace
}  // namespace boxdress
