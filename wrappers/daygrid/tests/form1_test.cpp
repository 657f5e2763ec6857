#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: commctrl.h relies on its types.
#include <commctrl.h>

#include "host/runtime/date.h"
#include "wrappers/daygrid/form1.h"

namespace daygrid {
namespace {

host::Date DayOf(WORD year, WORD month, WORD day) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  return host::DateFromSystemTime(time);
}

void Click(const host::Control& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }

TEST(DayGridDemo, LoadsTheStoredCalendarSettings) {
  Form1 form;
  form.Show();
  EXPECT_EQ(form.Caption(), "Size me...");
  EXPECT_EQ(form.DayGrid1->BackColor(), 0x00808080u);
  EXPECT_TRUE(static_cast<bool>(form.DayGrid1->BorderStyle()));
  EXPECT_EQ(form.DayGrid1->Font().Name, "MS Sans Serif");
  EXPECT_TRUE(IsWindowVisible(form.DayGrid1->hWnd()));
  form.Unload();
}

TEST(DayGridDemo, Command1StepsTheSelectionOneDayBackEachClick) {
  Form1 form;
  form.Show();
  form.DayGrid1->SetDayGridDate(DayOf(2024, 3, 1));
  Click(form.Command1);
  EXPECT_EQ(form.DayGrid1->DayGridDate(), DayOf(2024, 2, 29));
  EXPECT_EQ(form.Label1.Caption(), host::DateText(DayOf(2024, 2, 29)));
  Click(form.Command1);
  EXPECT_EQ(form.DayGrid1->DayGridDate(), DayOf(2024, 2, 28));
  EXPECT_EQ(form.Label1.Caption(), host::DateText(DayOf(2024, 2, 28)));
  form.Unload();
}

TEST(DayGridDemo, Check1SwitchesWeekNumbersAndGrayedChangesNothing) {
  Form1 form;
  form.Show();
  form.Check1.SetValue(host::vbChecked);
  const HWND numbered = form.DayGrid1->hWnd();
  EXPECT_NE(GetWindowLongA(numbered, GWL_STYLE) & MCS_WEEKNUMBERS, 0);
  form.Check1.SetValue(host::vbGrayed);
  EXPECT_EQ(form.DayGrid1->hWnd(), numbered);
  form.Check1.SetValue(host::vbUnchecked);
  EXPECT_EQ(GetWindowLongA(form.DayGrid1->hWnd(), GWL_STYLE) & MCS_WEEKNUMBERS, 0);
  form.Unload();
}

}  // namespace
}  // namespace daygrid
