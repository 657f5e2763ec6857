#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: commctrl.h relies on its types.
#include <commctrl.h>

#include <string>
#include <vector>

#include "host/runtime/date.h"
#include "host/usercontrol/design_time_host.h"
#include "wrappers/chronoset/date_picker.h"

namespace chronoset {
namespace {

using Designer = host::DesignTimeHost<DatePicker>;

HWND Surface(const DatePicker& picker) { return static_cast<const host::UserControl&>(picker).hWnd(); }

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

host::Date Moment(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  return host::DateFromSystemTime(time);
}

bool CalendarIsDown(HWND picker) {
  const auto calendar = reinterpret_cast<HWND>(SendMessageA(picker, DTM_GETMONTHCAL, 0, 0));
  return calendar != nullptr && IsWindowVisible(calendar);
}

std::vector<std::string> KeysOf(const host::PropertyBag& bag) {
  std::vector<std::string> keys;
  for (const host::PropertySetting& setting : bag.Block().settings) keys.push_back(setting.key);
  return keys;
}

TEST(DatePickerWindow, IsAPickerChildThatFillsTheControl) {
  Designer designer({160, 24});
  designer.PlaceNew();
  const HWND picker = designer->hWnd();
  ASSERT_NE(picker, nullptr);
  char name[64] = {};
  GetClassNameA(picker, name, sizeof name);
  EXPECT_STREQ(name, "SysDateTimePick32");
  EXPECT_EQ(GetParent(picker), Surface(*designer));
  RECT surface{};
  RECT filled{};
  GetClientRect(Surface(*designer), &surface);
  GetWindowRect(picker, &filled);
  EXPECT_EQ(filled.right - filled.left, surface.right);
  EXPECT_EQ(filled.bottom - filled.top, surface.bottom);
  EXPECT_EQ(SendMessageA(picker, WM_GETFONT, 0, 0), SendMessageA(Surface(*designer), WM_GETFONT, 0, 0));
}

TEST(DatePickerWindow, FormatAndStyleChangesReCreateThePickerAndOtherValuesDoNot) {
  Designer designer({160, 24});
  designer.PlaceNew();
  const HWND shortDate = designer->hWnd();
  designer->SetDatePickerFormat(1);
  const HWND longDate = designer->hWnd();
  EXPECT_NE(longDate, shortDate);
  EXPECT_FALSE(IsWindow(shortDate));
  EXPECT_EQ(StyleOf(longDate) & DTS_LONGDATEFORMAT, DTS_LONGDATEFORMAT);
  for (const host::Long ignored : {3, -1}) {
    designer->SetDatePickerFormat(ignored);
    designer->SetDatePickerStyle(ignored);
    EXPECT_EQ(designer->hWnd(), longDate) << ignored;
  }
  designer->SetDatePickerFormat(1);
  designer->SetDatePickerStyle(0);
  EXPECT_EQ(designer->hWnd(), longDate) << "the current values";
  designer->SetDatePickerStyle(1);
  EXPECT_EQ(StyleOf(designer->hWnd()) & DTS_UPDOWN, DTS_UPDOWN);
  designer->SetDatePickerStyle(2);
  EXPECT_EQ(StyleOf(designer->hWnd()) & (DTS_UPDOWN | DTS_SHOWNONE), DTS_SHOWNONE);
  designer->SetDatePickerFormat(2);
  EXPECT_EQ(StyleOf(designer->hWnd()) & DTS_TIMEFORMAT, DTS_TIMEFORMAT);
  EXPECT_EQ(designer->DatePickerFormat(), 2);
  EXPECT_EQ(designer->DatePickerStyle(), 2);
}

TEST(DatePickerDate, ComesFromTheShownTextInEveryFormat) {
  Designer designer({260, 24});
  designer.PlaceNew();
  const host::Date given = Moment(2015, 11, 23, 10, 30);
  designer->SetDatePickerDate(given);
  EXPECT_EQ(designer->DatePickerDate(), Moment(2015, 11, 23)) << "short date shows no time";

  designer->SetDatePickerFormat(1);
  designer->SetDatePickerDate(given);
  EXPECT_EQ(designer->DatePickerDate(), Moment(2015, 11, 23)) << "long date";

  const host::Date timeOnly(given.Serial() - Moment(2015, 11, 23).Serial());
  designer->SetDatePickerFormat(2);
  designer->SetDatePickerDate(given);
  EXPECT_EQ(designer->DatePickerDate(), timeOnly) << "a time on the zero date";

  designer->SetDatePickerStyle(2);
  designer->SetDatePickerDate(given);
  EXPECT_EQ(designer->DatePickerDate(), timeOnly) << "with a check box";
}

TEST(DatePickerDate, TheValueReadIsWhatIsStored) {
  Designer designer({160, 24});
  designer.PlaceNew();
  designer->SetDatePickerDate(Moment(1999, 12, 31, 23, 59));
  EXPECT_EQ(designer.Save().ReadProperty<host::Date>("dpDate", host::Date()), Moment(1999, 12, 31, 23, 59));
  const host::Date read = designer->DatePickerDate();
  EXPECT_EQ(designer.Save().ReadProperty<host::Date>("dpDate", host::Date()), read);
}

TEST(DatePickerCalendar, ToggleDropsTheCalendarDownAndClosesIt) {
  Designer designer({160, 24});
  designer.PlaceNew();
  const HWND picker = designer->hWnd();
  EXPECT_FALSE(CalendarIsDown(picker));
  designer->ToggleCalendar();
  EXPECT_TRUE(CalendarIsDown(picker));
  designer->ToggleCalendar();
  EXPECT_FALSE(CalendarIsDown(picker));
}

TEST(DatePickerCalendar, AnUpDownPickerHasNoCalendarAndKeepsItsDate) {
  Designer designer({160, 24});
  designer.PlaceNew();
  designer->SetDatePickerStyle(1);
  const host::Date given = Moment(2015, 11, 23);
  designer->SetDatePickerDate(given);
  designer->ToggleCalendar();
  EXPECT_FALSE(CalendarIsDown(designer->hWnd()));
  EXPECT_EQ(designer->DatePickerDate(), given);
  designer->ToggleCalendar();
  EXPECT_EQ(designer->DatePickerDate(), given);
}

TEST(DatePickerFocus, TheControlPassesTheFocusToThePicker) {
  Designer designer({160, 24});
  designer.PlaceNew();
  SetFocus(Surface(*designer));
  EXPECT_EQ(GetFocus(), designer->hWnd());
}

TEST(DatePickerWithoutPicker, WindowMembersDoNothing) {
  DatePicker detached;
  EXPECT_EQ(detached.hWnd(), nullptr);
  detached.SetDatePickerDate(Moment(2000, 1, 1));
  detached.ToggleCalendar();
  EXPECT_EQ(detached.DatePickerDate(), host::Date());
}

TEST(DatePickerProperties, DefaultsAreNotStoredAndChangesRoundTripInOrder) {
  Designer loaded({160, 24});
  loaded.Load(host::PropertyBag());
  EXPECT_TRUE(KeysOf(loaded.Save()).empty());

  Designer first({160, 24});
  first.PlaceNew();
  host::Font italic;
  italic.Name = "Arial";
  italic.Italic = true;
  first->SetEnabled(host::False);
  first->SetDatePickerFormat(1);
  first->SetDatePickerStyle(1);
  first->SetFont(italic);
  first->SetDatePickerDate(Moment(2012, 6, 1, 8));
  const host::PropertyBag saved = first.Save();
  EXPECT_EQ(KeysOf(saved), (std::vector<std::string>{"Enabled", "DateFormat", "dpStyle", "dpDate"}));
  EXPECT_TRUE(saved.Contains("Font"));

  Designer second({160, 24});
  second.Load(saved);
  EXPECT_FALSE(static_cast<bool>(second->Enabled()));
  EXPECT_EQ(StyleOf(second->hWnd()) & (DTS_LONGDATEFORMAT | DTS_UPDOWN), DTS_LONGDATEFORMAT | DTS_UPDOWN);
  EXPECT_EQ(second->Font(), italic);
  EXPECT_EQ(SendMessageA(second->hWnd(), WM_GETFONT, 0, 0), SendMessageA(Surface(*second), WM_GETFONT, 0, 0));
  EXPECT_EQ(second.Save().ReadProperty<host::Date>("dpDate", host::Date()), Moment(2012, 6, 1, 8))
      << "loading does not set the picker";
}

}  // namespace
}  // namespace chronoset
