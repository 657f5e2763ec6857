#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: commctrl.h relies on its types.
#include <commctrl.h>

#include "host/runtime/date.h"
#include "wrappers/chronoset/form1.h"

namespace chronoset {
namespace {

TEST(ChronosetDemo, Command1MovesTheSecondPickerOntoItselfAndDropsItDown) {
  Form1 form;
  form.Show();
  SYSTEMTIME chosen{};
  chosen.wYear = 2021;
  chosen.wMonth = 4;
  chosen.wDay = 9;
  const host::Date day = host::DateFromSystemTime(chosen);
  form.DatePicker1->SetDatePickerDate(day);

  SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0);

  EXPECT_EQ(form.DatePicker2.Left(), form.Command1.Left());
  EXPECT_EQ(form.DatePicker2.Top(), form.Command1.Top());
  EXPECT_EQ(form.DatePicker2.Width(), form.Command1.Width());
  EXPECT_EQ(form.DatePicker2.Height(), form.Command1.Height());
  EXPECT_EQ(form.DatePicker2->DatePickerDate(), day);
  const auto calendar = reinterpret_cast<HWND>(SendMessageA(form.DatePicker2->hWnd(), DTM_GETMONTHCAL, 0, 0));
  EXPECT_TRUE(calendar != nullptr && IsWindowVisible(calendar));
  EXPECT_EQ(form.Command1.Caption(), host::DateText(day));
  form.DatePicker2->ToggleCalendar();
  form.Unload();
}

TEST(ChronosetDemo, BothPickersStartWithTheStoredFont) {
  Form1 form;
  form.Show();
  EXPECT_EQ(form.Caption(), "Form1");
  EXPECT_EQ(form.DatePicker1->Font().Name, "MS Sans Serif");
  EXPECT_EQ(form.DatePicker2->Font().Name, "MS Sans Serif");
  EXPECT_TRUE(IsWindowVisible(form.DatePicker1->hWnd()));
  form.Unload();
}

}  // namespace
}  // namespace chronoset
