#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: commctrl.h relies on its types.
#include <commctrl.h>

#include <string>
#include <vector>

#include "host/controls/check_box.h"
#include "host/controls/command_button.h"
#include "host/controls/control_array.h"
#include "host/controls/frame.h"
#include "host/controls/label.h"
#include "host/controls/line.h"
#include "host/controls/list_box.h"
#include "host/controls/option_button.h"
#include "host/controls/text_box.h"
#include "host/controls/timer.h"
#include "host/forms/form.h"
#include "host/forms/forms_collection.h"
#include "host/forms/menu.h"
#include "host/forms/program.h"
#include "host/runtime/error.h"
#include "host/runtime/font_handle.h"
#include "host/runtime/numeric.h"
#include "host/services/screen.h"
#include "host/testing/client_pixels.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/message_loop.h"
#include "host/testing/raised_error.h"
#include "host/testing/window_capture.h"
#include "host/win32/dc_scope.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

using Log = std::vector<std::string>;

class TestForm : public Form {
 public:
  explicit TestForm(Log& log) : Form("TestForm"), log_(log) {
    Command1.Click.Connect([this] { log_.push_back("Command1_Click"); });
    Check1.On(&CheckBox::Click, [this](Integer Index) { log_.push_back("Check1_Click " + std::to_string(Index)); });
    Option1.On(&OptionButton::Click,
               [this](Integer Index) { log_.push_back("Option1_Click " + std::to_string(Index)); });
    menuFile.Click.Connect([this] { log_.push_back("menuFile_Click " + std::to_string(mnuFile(0).Checked())); });
    mnuFile.On(&Menu::Click, [this](Integer Index) { log_.push_back("mnuFile_Click " + std::to_string(Index)); });
    Timer1.Timer.Connect([this] { ++ticks; });
  }

  CommandButton Command1{*this, "Command1"};
  ControlArray<CheckBox> Check1{*this, "Check1"};
  ControlArray<OptionButton> Option1{*this, "Option1"};
  Frame Frame1{*this, "Frame1"};
  OptionButton Option2{*this, "Option2"};
  Label Label1{*this, "Label1"};
  TextBox Text1{*this, "Text1"};
  ListBox List1{*this, "List1"};
  TimerControl Timer1{*this, "Timer1"};
  Line Line1{*this, "Line1"};
  Menu menuFile{*this, "menuFile"};
  ControlArray<Menu> mnuFile{*this, "mnuFile"};
  Integer cancelUnload = 0;
  int ticks = 0;
  int clicks = 0;
  int resizes = 0;
  int paints = 0;

 protected:
  void Form_Load() override { log_.push_back("Form_Load"); }
  void Form_Click() override { ++clicks; }
  void Form_Resize() override { ++resizes; }
  void Form_Paint() override { ++paints; }
  void Form_QueryUnload(Integer& Cancel, Integer UnloadMode) override {
    log_.push_back("Form_QueryUnload " + std::to_string(UnloadMode));
    Cancel = cancelUnload;
  }
  void Form_Unload(Integer&) override { log_.push_back("Form_Unload"); }

 private:
  Log& log_;
};

// Counts its destructions, to show when an element object goes away.
class TrackedButton : public CommandButton {
 public:
  using CommandButton::CommandButton;
  ~TrackedButton() override { ++destroyed; }
  static inline int destroyed = 0;
};

class ArrayForm : public Form {
 public:
  ArrayForm() : Form("ArrayForm") {}
  ControlArray<TrackedButton> Command1{*this, "Command1"};
};

class ScaleForm : public Form {
 public:
  ScaleForm() : Form("ScaleForm") {}
};

class BadForm : public Form {
 public:
  BadForm() : Form("BadForm") {}
  CommandButton Command1{*this, "Command1"};
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

class FormTest : public ::testing::Test {
 protected:
  void TearDown() override {
    form.cancelUnload = 0;
    form.Unload();
  }
  Log log;
  TestForm form{log};
};

TEST_F(FormTest, LoadShowAndUnloadFromCodeRunTheEventsInOrder) {
  EXPECT_FALSE(form.IsLoaded());
  form.Show();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(Forms().Count(), 1);
  EXPECT_EQ(&Forms().Item(0), &form);
  const HWND window = form.hWnd();
  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(log, (Log{"Form_Load", "Form_QueryUnload 1", "Form_Unload"}));
  EXPECT_EQ(Forms().Count(), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_THROW(Forms().Item(0), RuntimeError);
}

TEST_F(FormTest, TheCloseBoxUnloadsWithModeZeroAndCanBeCancelled) {
  form.Show();
  form.cancelUnload = -1;
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.IsLoaded());
  form.cancelUnload = 0;
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(log, (Log{"Form_Load", "Form_QueryUnload 0", "Form_QueryUnload 0", "Form_Unload"}));
}

TEST_F(FormTest, TheEndOfTheSessionQueriesWithModeTwoThenUnloads) {
  form.Show();
  form.cancelUnload = -1;
  EXPECT_EQ(SendMessageA(form.hWnd(), WM_QUERYENDSESSION, 0, 0), FALSE) << "the form refuses";
  EXPECT_TRUE(form.IsLoaded());
  form.cancelUnload = 0;
  EXPECT_EQ(SendMessageA(form.hWnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(form.IsLoaded()) << "the form waits for the session to end";
  SendMessageA(form.hWnd(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(log, (Log{"Form_Load", "Form_QueryUnload 2", "Form_QueryUnload 2", "Form_Unload"}));
}

TEST_F(FormTest, ClickResizeAndPaintReachTheForm) {
  form.Show();
  EXPECT_GE(form.resizes, 1) << "the first show sizes the form";
  EXPECT_TRUE(testing::PumpUntil([&] { return form.paints >= 1; }));
  const int resizes = form.resizes;
  form.Move(form.Left(), form.Top(), form.Width() + 300, form.Height());
  EXPECT_EQ(form.resizes, resizes + 1);
  const int paints = form.paints;
  form.Refresh();
  EXPECT_EQ(form.paints, paints + 1);
  SendMessageA(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form.clicks, 1);
}

TEST_F(FormTest, ScaleModePixelsMeasuresTheClientAreaInPixels) {
  form.Load();
  EXPECT_EQ(form.ScaleMode(), vbTwips);
  form.SetScaleMode(vbPixels);
  EXPECT_EQ(form.ScaleWidth(), static_cast<Single>(PixelsFromTwipsX(6000)));
  EXPECT_EQ(form.ScaleHeight(), static_cast<Single>(PixelsFromTwipsY(3600)));
}

TEST_F(FormTest, ScaleValuesSwitchToUserUnitsThatIgnoreResizing) {
  form.Load();
  form.SetScaleTop(100);
  EXPECT_EQ(form.ScaleMode(), vbUser);
  EXPECT_EQ(form.ScaleTop(), 100.0f);
  EXPECT_EQ(form.ScaleWidth(), 6000.0f);
  form.Move(form.Left(), form.Top(), form.Width() + 1500, form.Height());
  EXPECT_EQ(form.ScaleWidth(), 6000.0f);
  form.Scale(0, 0, 1, 1);
  EXPECT_EQ(form.ScaleTop(), 0.0f);
  EXPECT_EQ(form.ScaleWidth(), 1.0f);
  form.SetScaleMode(vbTwips);
  EXPECT_EQ(form.ScaleWidth(), 7500.0f) << "twips follow the new client size";
  EXPECT_EQ(form.Command1.Left(), 120) << "controls stay placed in twips";
}

TEST(FormScale, TheDescriptionCanSetUserUnitsAndAFixedModeReplacesThem) {
  ScaleForm form;
  form.Load();
  EXPECT_EQ(form.ScaleMode(), vbUser);
  EXPECT_EQ(form.ScaleLeft(), -10.0f);
  EXPECT_EQ(form.ScaleTop(), 25.0f);
  EXPECT_EQ(form.ScaleWidth(), 20.0f);
  EXPECT_EQ(form.ScaleHeight(), -50.0f);
  form.SetScaleMode(vbCharacters);
  EXPECT_EQ(form.ScaleLeft(), 0.0f);
  EXPECT_EQ(form.ScaleTop(), 0.0f);
  EXPECT_EQ(form.ScaleWidth(), 50.0f);
  EXPECT_EQ(form.ScaleHeight(), 12.5f);
  form.Unload();
}

TEST_F(FormTest, TheFormsCollectionListsLoadedFormsInLoadOrder) {
  Log otherLog;
  TestForm other{otherLog};
  form.Load();
  other.Load();
  ASSERT_EQ(Forms().Count(), 2);
  EXPECT_EQ(&Forms().Item(1), &other);
  form.Unload();
  ASSERT_EQ(Forms().Count(), 1);
  EXPECT_EQ(&Forms().Item(0), &other);
  other.Unload();
}

TEST_F(FormTest, AProgramEndsWhenItsLastFormUnloadsOrAtEnd) {
  EXPECT_EQ(host::Run([&] {
              form.Show();
              PostMessageA(form.hWnd(), WM_CLOSE, 0, 0);
            }),
            0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(log, (Log{"Form_Load", "Form_QueryUnload 0", "Form_Unload"}));
  log.clear();
  host::Run([&] {
    form.Show();
    End();
  });
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(log, (Log{"Form_Load"})) << "End skips QueryUnload and Unload";
}

TEST(FormObject, DestroyingALoadedFormUnhooksItsControlsFirst) {
  HWND formWindow = nullptr;
  HWND textWindow = nullptr;
  {
    Log log;
    TestForm form{log};
    form.Show();
    SetFocus(form.Text1.hWnd());
    ASSERT_EQ(GetFocus(), form.Text1.hWnd());
    formWindow = form.hWnd();
    textWindow = form.Text1.hWnd();
  }
  EXPECT_FALSE(IsWindow(textWindow));
  EXPECT_FALSE(IsWindow(formWindow));
  EXPECT_EQ(Forms().Count(), 0);
}

TEST(FormObject, ArrayElementsOutliveAnUnloadFromTheirOwnHandler) {
  ArrayForm form;
  int destroyedInHandler = -1;
  form.Command1.On(static_cast<Event<> TrackedButton::*>(&CommandButton::Click), [&](Integer Index) {
    const int before = TrackedButton::destroyed;
    form.Unload();
    destroyedInHandler = TrackedButton::destroyed - before;
    EXPECT_EQ(form.Command1.Count(), 0);
    EXPECT_EQ(Index, 1);
  });
  form.Show();
  SendMessageA(form.Command1(1).hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(destroyedInHandler, 0);
  EXPECT_FALSE(form.IsLoaded());
  form.Show();
  EXPECT_EQ(form.Command1.Count(), 2) << "a second load makes new elements";
  form.Unload();
}

TEST_F(FormTest, AllFormsShareOneWindowClassAndTheDescriptionSetsTheFrame) {
  form.Load();
  EXPECT_EQ(ClassOf(form.hWnd()), Form::WindowClassName());
  EXPECT_EQ(form.Caption(), "Test form");
  EXPECT_EQ(form.BackColor(), 0x00C0FFC0u);
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, PixelsFromTwipsX(6000));
  EXPECT_EQ(form.ScaleWidth(), 6000.0f);
  EXPECT_EQ(form.Left() / Screen().TwipsPerPixelX(), PixelsFromTwipsX(1500));
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0), 0) << "the program's icon, in the task bar";
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_SMALL, 0), 0) << "and in the title bar";
}

TEST_F(FormTest, ControlsAreRealChildWindowsPlacedInTwips) {
  form.Load();
  EXPECT_EQ(ClassOf(form.Command1.hWnd()), "Button");
  EXPECT_EQ(ClassOf(form.Label1.hWnd()), "Static");
  EXPECT_EQ(ClassOf(form.Text1.hWnd()), "Edit");
  EXPECT_EQ(ClassOf(form.List1.hWnd()), "ListBox");
  EXPECT_EQ(GetParent(form.Command1.hWnd()), form.hWnd());
  EXPECT_EQ(GetParent(form.Option2.hWnd()), form.Frame1.hWnd()) << "controls of a frame live in the frame";
  EXPECT_EQ(form.Command1.Caption(), "&Press");
  EXPECT_EQ(form.Text1.Text(), "99");
  EXPECT_EQ(form.Command1.Left(), 120);
  EXPECT_EQ(form.Command1.Width(), 1215 / Screen().TwipsPerPixelX() * Screen().TwipsPerPixelX());
  form.Command1.Move(240, 240, 1500, 600);
  EXPECT_EQ(form.Command1.Top(), 240);
  EXPECT_EQ(form.Command1.Height(), 600);
}

TEST_F(FormTest, TabIndexSetsTheTabOrderWhateverTheDescriptionOrder) {
  form.Load();
  EXPECT_EQ(GetNextDlgTabItem(form.hWnd(), form.List1.hWnd(), FALSE), form.Text1.hWnd())
      << "List1 (TabIndex 1) comes before Text1 (TabIndex 2), though described after it";
  EXPECT_EQ(GetNextDlgTabItem(form.hWnd(), form.Text1.hWnd(), FALSE), form.Command1.hWnd());
}

TEST_F(FormTest, ControlFontsComeFromTheDescriptionOrFromTheForm) {
  form.Load();
  const auto fontOf = [](HWND window) {
    return FontFromHandle(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  };
  EXPECT_EQ(form.Command1.Font().Name, "Arial");
  EXPECT_TRUE(form.Command1.Font().Bold);
  EXPECT_EQ(fontOf(form.Command1.hWnd()).Name, "Arial");
  EXPECT_TRUE(fontOf(form.Command1.hWnd()).Bold);
  EXPECT_EQ(form.Label1.Font(), form.Font()) << "no font of its own: the form's";
  Font italic = form.Command1.Font();
  italic.Italic = true;
  form.Command1.SetFont(italic);
  EXPECT_TRUE(fontOf(form.Command1.hWnd()).Italic);
}

struct ToolTipSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindToolTip(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<ToolTipSearch*>(lParam);
  if (lstrcmpiA(ClassOf(window).c_str(), TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != search.owner)
    return TRUE;
  search.found = window;
  return FALSE;
}

HWND ToolTipOf(HWND owner) {
  ToolTipSearch search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindToolTip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(FormTest, ToolTipTextBecomesATooltipOfTheControl) {
  form.Load();
  EXPECT_EQ(form.Command1.ToolTipText(), "Presses");
  const HWND tip = ToolTipOf(form.hWnd());
  ASSERT_NE(tip, nullptr);
  char text[64] = {};
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = form.hWnd();
  tool.uId = reinterpret_cast<UINT_PTR>(form.Command1.hWnd());
  tool.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "Presses");
  form.Command1.SetToolTipText("");
  EXPECT_FALSE(IsWindow(tip)) << "no text, no tooltip window";
}

TEST_F(FormTest, RefreshRepaintsAControlAtOnce) {
  form.Show();
  form.Label1.SetCaption("New text");
  RECT pending{};
  ASSERT_TRUE(GetUpdateRect(form.Label1.hWnd(), &pending, FALSE)) << "the new text waits for a paint";
  form.Label1.Refresh();
  EXPECT_FALSE(GetUpdateRect(form.Label1.hWnd(), &pending, FALSE));
}

TEST_F(FormTest, ControlArrayHandlersReceiveTheElementIndex) {
  form.Load();
  EXPECT_EQ(form.Check1.Count(), 2);
  EXPECT_EQ(form.Check1(1).Value(), vbChecked);
  form.Check1(0).SetValue(vbChecked);
  form.Check1(0).SetValue(vbChecked);
  SendMessageA(form.Check1(1).hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.Check1(1).Value(), vbUnchecked) << "a click toggles the box";
  EXPECT_EQ(log, (Log{"Form_Load", "Check1_Click 0", "Check1_Click 1"})) << "only changes raise Click";
  EXPECT_EQ(testing::ErrorNumberOf([&] { form.Check1(7); }), 340);
}

TEST_F(FormTest, OptionButtonsFormOneGroupPerContainer) {
  form.Load();
  EXPECT_TRUE(form.Option1(0).Value());
  EXPECT_TRUE(form.Option2.Value());
  form.Option1(1).SetValue(true);
  EXPECT_FALSE(form.Option1(0).Value());
  EXPECT_TRUE(form.Option1(1).Value());
  EXPECT_TRUE(form.Option2.Value()) << "the frame's group is another group";
  SendMessageA(form.Option1(0).hWnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.Option1(0).Value());
  EXPECT_EQ(log, (Log{"Form_Load", "Option1_Click 1", "Option1_Click 0"}));
}

TEST_F(FormTest, MenusComeFromTheDescriptionAndRaiseClickWithTheIndex) {
  form.Load();
  const HMENU bar = GetMenu(form.hWnd());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenuItemCount(bar), 1);
  const HMENU popup = GetSubMenu(bar, 0);
  EXPECT_EQ(popup, form.menuFile.SubMenu());
  EXPECT_EQ(GetMenuItemCount(popup), 3);
  EXPECT_EQ(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(form.mnuFile(10).Caption(), "E&xit");
  SendMessageA(form.hWnd(), WM_COMMAND, GetMenuItemID(popup, 2), 0);
  form.mnuFile(0).SetChecked(true);
  EXPECT_TRUE(form.mnuFile(0).Checked());
  form.mnuFile(0).SetEnabled(false);
  EXPECT_FALSE(form.mnuFile(0).Enabled());
  EXPECT_EQ(log, (Log{"Form_Load", "mnuFile_Click 10"}));
}

TEST_F(FormTest, ATitleRaisesClickAsItsPopUpOpens) {
  form.Load();
  const HMENU popup = form.menuFile.SubMenu();
  SendMessageA(form.hWnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, TRUE));
  EXPECT_EQ(log, (Log{"Form_Load"})) << "the system menu is not the title's";
  form.mnuFile(0).SetChecked(true);
  SendMessageA(form.hWnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, FALSE));
  EXPECT_EQ(log, (Log{"Form_Load", "menuFile_Click 1"}));
}

// The menu runs its own modal loop; a timer inside that loop closes it.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

TEST_F(FormTest, OpeningTheMenuFromTheKeyboardRaisesTheTitleClick) {
  form.Show();
  const UINT_PTR closer = SetTimer(nullptr, 0, 300, CloseMenu);
  SendMessageA(form.hWnd(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
  KillTimer(nullptr, closer);
  EXPECT_EQ(log, (Log{"Form_Load", "menuFile_Click 0"}));
}

TEST_F(FormTest, AnUntrappedErrorShowsTheBoxAndAbandonsOnlyThatHandler) {
  form.Load();
  form.Command1.Click.Connect([] { CInt(40000.0); });
  testing::MessageBoxWatcher watcher;
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].text, "Run-time error '6':\n\nOverflow");
  EXPECT_EQ(Err().Number(), 6);
  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.IsLoaded()) << "the program goes on";
  EXPECT_EQ(watcher.Seen().size(), 2u);
  EXPECT_EQ(log, (Log{"Form_Load", "Command1_Click", "Command1_Click"}));
}

TEST_F(FormTest, ListBoxKeepsItsItemsAndSelection) {
  form.Load();
  form.List1.AddItem("b");
  form.List1.AddItem("a", 0);
  EXPECT_EQ(form.List1.ListCount(), 2);
  EXPECT_EQ(form.List1.List(0), "a");
  EXPECT_EQ(form.List1.ListIndex(), -1);
  form.List1.SetListIndex(1);
  EXPECT_EQ(form.List1.ListIndex(), 1);
  form.List1.Clear();
  EXPECT_EQ(form.List1.ListCount(), 0);
  EXPECT_EQ(testing::ErrorNumberOf([&] { form.List1.AddItem("c", -2); }), 5);
  EXPECT_EQ(form.List1.ListCount(), 0);
}

TEST_F(FormTest, TimerTicksOnlyWhileEnabled) {
  form.Load();
  testing::PumpFor(std::chrono::milliseconds(100));
  EXPECT_EQ(form.ticks, 0);
  form.Timer1.SetEnabled(true);
  EXPECT_TRUE(testing::PumpUntil([&] { return form.ticks >= 2; }));
  form.Unload();
  const int ticks = form.ticks;
  testing::PumpFor(std::chrono::milliseconds(100));
  EXPECT_EQ(form.ticks, ticks) << "an unloaded form's timer stops";
}

// The colour of the pixel at (x, y) of a BMP file; CLR_INVALID when unreadable.
COLORREF PixelOfImageFile(const std::string& path, int x, int y) {
  const UniqueBitmap image(
      static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  if (!image) return CLR_INVALID;
  const UniqueDC memory(CreateCompatibleDC(nullptr));
  const SelectedObject selected(memory.get(), image.get());
  return GetPixel(memory.get(), x, y);
}

// The capture shows what the form painted: its back colour and the red line of its description.
TEST_F(FormTest, TheCapturedImageShowsTheBackColourAndTheLine) {
  form.Show();
  RedrawWindow(form.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::string path = "TestForm.bmp";
  ASSERT_TRUE(testing::CaptureWindowToBmp(form.hWnd(), path));
  RECT bounds{};
  GetWindowRect(form.hWnd(), &bounds);
  POINT client{0, 0};
  ClientToScreen(form.hWnd(), &client);
  const auto pixelAtTwips = [&](int x, int y) {
    return PixelOfImageFile(path, client.x - bounds.left + PixelsFromTwipsX(x),
                            client.y - bounds.top + PixelsFromTwipsY(y));
  };
  EXPECT_EQ(pixelAtTwips(5900, 3500), RGB(0xC0, 0xFF, 0xC0)) << "BackColor &H00C0FFC0&, away from every control";
  EXPECT_EQ(pixelAtTwips(1500, 2400), RGB(0xFF, 0, 0)) << "Line1, BorderColor &H000000FF&";
  EXPECT_EQ(pixelAtTwips(1500, 2700), RGB(0xC0, 0xFF, 0xC0)) << "nothing below the line";
  DeleteFileA(path.c_str());
}

// Each intrinsic control paints itself in its own colours: the back colour
// beside its text, the fore colour in the text's strokes.
TEST_F(FormTest, ControlsPaintInTheirBackAndForeColours) {
  form.Show();
  const OleColor back = RGB(0x00, 0xFF, 0xFF);
  const OleColor fore = RGB(0xC0, 0x00, 0x00);
  Control* const controls[] = {&form.Label1, &form.Check1(0), &form.Option1(0), &form.Text1};
  for (Control* control : controls) {
    control->SetBackColor(back);
    control->SetForeColor(fore);
  }
  RedrawWindow(form.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (const Control* control : controls) {
    const testing::ClientPixels pixels(control->hWnd());
    RECT client{};
    GetClientRect(control->hWnd(), &client);
    EXPECT_EQ(pixels.At(client.right - 2, client.bottom / 2), back) << control->Name() << ", right of its text";
    EXPECT_GT(pixels.Count(fore), 0) << control->Name() << ", its text";
  }
}

TEST(FormDescription, ABadValueRaisesAnErrorNamingFormControlAndKey) {
  BadForm form;
  try {
    form.Load();
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 380);
    EXPECT_NE(error.Description().find("BadForm.Command1"), std::string::npos) << error.Description();
    EXPECT_NE(error.Description().find("Left"), std::string::npos) << error.Description();
  }
  form.Unload();
}

}  // namespace
}  // namespace host
