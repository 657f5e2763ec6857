#include "converter/shell/main_dialog.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "converter/shell/main_dialog_layout.h"
#include "converter/shell/tests/dialog_answerer.h"

namespace converter::shell {
namespace {

// Position and size, as a dialog template gives them.
struct Placement {
  int x;
  int y;
  int width;
  int height;
};

struct ExpectedControl {
  int id;
  const char* className;
  const char* text;
  Placement dialogUnits;
  DWORD style;
  bool enabled;
  bool checked;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const std::vector<ExpectedControl> kExpectedControls = {
    {101, "Static", "", {5, 15, 209, 12}, kChild | SS_LEFT, true, false},
    {102, "Button", "Conversion Options", {27, 39, 177, 55}, kChild | BS_GROUPBOX, true, false},
    {103, "Button", "Convert &VB", {27, 182, 81, 20}, kChild | BS_PUSHBUTTON, true, false},
    {104, "Button", "E&xit", {123, 182, 81, 20}, kChild | BS_PUSHBUTTON, true, false},
    {105, "Button", "Source Output Options", {27, 103, 177, 65}, kChild | BS_GROUPBOX, true, false},
    {106, "Button", "Generate DDT source", {43, 118, 150, 10}, kChild | BS_AUTORADIOBUTTON | 0x00030000, true, true},
    {107, "Button", "Generate 32 bit API source", {43, 133, 145, 10}, kChild | BS_AUTORADIOBUTTON, false, false},
    {108, "Button", "Generate 16 bit API source", {43, 148, 150, 10}, kChild | BS_AUTORADIOBUTTON, false, false},
    {109, "Button", "Convert single VB Form", {43, 54, 129, 15}, kChild | BS_AUTORADIOBUTTON | 0x00030000, true, true},
    {110, "Button", "Convert all forms in project", {43, 69, 123, 15}, kChild | BS_AUTORADIOBUTTON, false, false},
};

std::string TextOf(HWND window) {
  std::array<char, 256> text{};
  return std::string(text.data(), static_cast<size_t>(GetWindowTextA(window, text.data(), text.size())));
}

std::string ClassOf(HWND window) {
  std::array<char, 64> name{};
  return std::string(name.data(), static_cast<size_t>(GetClassNameA(window, name.data(), name.size())));
}

// The dialog manager scales position and size each on its own, so a size is
// mapped as a size, not as the difference of two mapped edges.
Placement InPixels(HWND dialog, const Placement& dialogUnits) {
  RECT mapped{dialogUnits.x, dialogUnits.y, dialogUnits.width, dialogUnits.height};
  MapDialogRect(dialog, &mapped);
  return {mapped.left, mapped.top, mapped.right, mapped.bottom};
}

Placement PlacementOf(HWND dialog, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void ExpectSamePlacement(const Placement& actual, const Placement& expected, int id) {
  EXPECT_EQ(actual.x, expected.x) << "control " << id;
  EXPECT_EQ(actual.y, expected.y) << "control " << id;
  EXPECT_EQ(actual.width, expected.width) << "control " << id;
  EXPECT_EQ(actual.height, expected.height) << "control " << id;
}

LocalDateTime FixedTime() { return {2024, 5, 17, 9, 30, 0}; }

class MainDialogTest : public ::testing::TestWithParam<Edition> {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }

  MainDialogTest() : state_(GetParam(), FixedTime), dialog_(CreateMainDialog(state_)) {
    ShowWindow(dialog_.get(), SW_SHOW);
  }

  HWND dialog() const { return dialog_.get(); }

  ProgramState state_;
  UniqueWindow dialog_;
};

TEST_P(MainDialogTest, TitleNamesTheEdition) {
  const char* expected =
      GetParam() == Edition::Tinwright ? "Tinwright Primer Edition" : "Dialogwright for VB Ver. 3, 4 or 5";
  EXPECT_EQ(TextOf(dialog()), expected);
  EXPECT_EQ(state_.mainDialog, dialog());
}

TEST_P(MainDialogTest, TemplateHasCaptionSystemMenuAndFontOnly) {
  const DialogTemplate dialogTemplate = MainDialogTemplate(GetParam());
  const DLGTEMPLATE& header = *dialogTemplate.get();
  EXPECT_EQ(header.style, 0x00C80000u | DS_SETFONT);
  EXPECT_EQ(header.dwExtendedStyle, 0u);
  EXPECT_EQ(header.cdit, 10);
  const std::array<short, 4> placement{header.x, header.y, header.cx, header.cy};
  EXPECT_EQ(placement, (std::array<short, 4>{208, 158, 226, 215}));

  const DWORD style = GetWindowLongA(dialog(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CHILD | WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(GetWindow(dialog(), GW_OWNER), nullptr);
}

TEST_P(MainDialogTest, ClientAreaSitsAtItsPlaceInDialogUnits) {
  POINT origin{0, 0};
  ClientToScreen(dialog(), &origin);
  RECT client{};
  GetClientRect(dialog(), &client);
  ExpectSamePlacement({origin.x, origin.y, client.right, client.bottom}, InPixels(dialog(), {208, 158, 226, 215}), 0);
}

TEST_P(MainDialogTest, FontIsEightPointMsSansSerif) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog(), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTA logFont{};
  ASSERT_EQ(GetObjectA(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
  EXPECT_STREQ(logFont.lfFaceName, "MS Sans Serif");
  const HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(logFont.lfHeight, -MulDiv(8, pixelsPerInch, 72));
}

TEST_P(MainDialogTest, ControlsComeInIdOrderWithClassTextPlaceAndStyle) {
  std::vector<int> ids;
  for (HWND child = GetWindow(dialog(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  EXPECT_EQ(ids, std::vector<int>({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));

  for (const ExpectedControl& expected : kExpectedControls) {
    const HWND control = GetDlgItem(dialog(), expected.id);
    ASSERT_NE(control, nullptr) << "control " << expected.id;
    EXPECT_EQ(ClassOf(control), expected.className) << "control " << expected.id;
    EXPECT_EQ(TextOf(control), expected.text) << "control " << expected.id;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & ~DWORD{WS_DISABLED}, expected.style)
        << "control " << expected.id;
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0) << "control " << expected.id;
    ExpectSamePlacement(PlacementOf(dialog(), control), InPixels(dialog(), expected.dialogUnits), expected.id);
  }
}

TEST_P(MainDialogTest, OnlyTheExistingModesAreEnabledAndChosen) {
  for (const ExpectedControl& expected : kExpectedControls) {
    const HWND control = GetDlgItem(dialog(), expected.id);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled) << "control " << expected.id;
    EXPECT_EQ(IsDlgButtonChecked(dialog(), expected.id) == BST_CHECKED, expected.checked) << "control " << expected.id;
  }
}

INSTANTIATE_TEST_SUITE_P(BothEditions, MainDialogTest, ::testing::Values(Edition::Formwright, Edition::Tinwright),
                         [](const auto& info) { return std::string(EditionName(info.param)); });

// The modal dialog is ended from a thread timer, which its own message loop dispatches.
class ModalMainDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }

  static void CALLBACK PressAfterShown(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    pendingAction_(running_->mainDialog);
    watchdog_ = SetTimer(nullptr, 0, 30000, EndIfStillOpen);
  }

  // Ends a dialog the action failed to close, so the test fails instead of hanging.
  static void CALLBACK EndIfStillOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (running_ != nullptr && IsWindow(running_->mainDialog)) EndDialog(running_->mainDialog, kNotClosed);
  }

  INT_PTR RunWith(void (*action)(HWND mainDialog)) {
    ProgramState state(Edition::Formwright, FixedTime);
    running_ = &state;
    pendingAction_ = action;
    SetTimer(nullptr, 0, 200, PressAfterShown);
    const INT_PTR result = RunMainDialog(state);
    KillTimer(nullptr, watchdog_);
    running_ = nullptr;
    return result;
  }

  static constexpr INT_PTR kNotClosed = -7;
  static inline ProgramState* running_ = nullptr;
  static inline UINT_PTR watchdog_ = 0;
  static inline void (*pendingAction_)(HWND) = nullptr;
};

TEST_F(ModalMainDialogTest, ExitEndsTheDialogWithZero) {
  const testing::DialogAnswerer answerer;
  EXPECT_EQ(RunWith([](HWND mainDialog) { SendDlgItemMessageA(mainDialog, kExitButton, BM_CLICK, 0, 0); }), 0);
  EXPECT_TRUE(answerer.messageBoxes().empty());
}

TEST_F(ModalMainDialogTest, CloseCommandEndsTheDialogWithZero) {
  EXPECT_EQ(RunWith([](HWND mainDialog) { PostMessageA(mainDialog, WM_SYSCOMMAND, SC_CLOSE, 0); }), 0);
}

}  // namespace
}  // namespace converter::shell
