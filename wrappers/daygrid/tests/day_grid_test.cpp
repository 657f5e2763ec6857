#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: commctrl.h relies on its types.
#include <commctrl.h>

#include <string>
#include <vector>

#include "host/runtime/date.h"
#include "host/usercontrol/design_time_host.h"
#include "wrappers/daygrid/day_grid.h"

namespace daygrid {
namespace {

using Designer = host::DesignTimeHost<DayGrid>;

HWND Surface(const DayGrid& grid) { return static_cast<const host::UserControl&>(grid).hWnd(); }

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

host::Date DayOf(WORD year, WORD month, WORD day, WORD hour = 0) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  return host::DateFromSystemTime(time);
}

std::vector<std::string> KeysOf(const host::PropertyBag& bag) {
  std::vector<std::string> keys;
  for (const host::PropertySetting& setting : bag.Block().settings) keys.push_back(setting.key);
  return keys;
}

TEST(DayGridCalendar, IsAMonthCalendarChildThatFillsTheControl) {
  Designer designer;
  designer.PlaceNew();
  const HWND calendar = designer->hWnd();
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(ClassOf(calendar), "SysMonthCal32");
  EXPECT_EQ(GetParent(calendar), Surface(*designer));
  EXPECT_EQ(StyleOf(calendar) & (WS_CHILD | WS_VISIBLE | MCS_WEEKNUMBERS), WS_CHILD | WS_VISIBLE);

  designer->Size(5000, 3300);
  RECT surface{};
  RECT filled{};
  GetClientRect(Surface(*designer), &surface);
  GetWindowRect(calendar, &filled);
  EXPECT_EQ(filled.right - filled.left, surface.right);
  EXPECT_EQ(filled.bottom - filled.top, surface.bottom);
}

TEST(DayGridCalendar, StyleOneAddsWeekNumbersAndOtherValuesKeepTheWindow) {
  Designer designer;
  designer.PlaceNew();
  const HWND plain = designer->hWnd();
  designer->SetDayGridStyle(1);
  const HWND numbered = designer->hWnd();
  EXPECT_NE(numbered, plain) << "a style change re-creates the calendar";
  EXPECT_FALSE(IsWindow(plain));
  EXPECT_NE(StyleOf(numbered) & MCS_WEEKNUMBERS, 0);
  EXPECT_EQ(designer->DayGridStyle(), 1);

  for (const host::Long ignored : {2, -1, 1}) {
    designer->SetDayGridStyle(ignored);
    EXPECT_EQ(designer->hWnd(), numbered) << ignored;
    EXPECT_EQ(designer->DayGridStyle(), 1) << ignored;
  }
  designer->SetDayGridStyle(0);
  EXPECT_EQ(StyleOf(designer->hWnd()) & MCS_WEEKNUMBERS, 0);
}

TEST(DayGridCalendar, ReCreationResetsTheSelectionToToday) {
  Designer designer;
  designer.PlaceNew();
  designer->SetDayGridDate(DayOf(2001, 5, 17));
  ASSERT_EQ(designer->DayGridDate(), DayOf(2001, 5, 17));
  designer->SetDayGridStyle(1);
  EXPECT_EQ(designer->DayGridDate(), host::Today());
}

TEST(DayGridDate, ReadsBackByDayWhileTheStoredDateKeepsItsTime) {
  Designer designer;
  designer.PlaceNew();
  designer->SetDayGridDate(DayOf(2010, 2, 28, 18));
  EXPECT_EQ(designer->DayGridDate(), DayOf(2010, 2, 28));
  const host::PropertyBag saved = designer.Save();
  EXPECT_EQ(saved.ReadProperty<host::Date>("mcDate", host::Date()), DayOf(2010, 2, 28, 18));
}

TEST(DayGridWithoutCalendar, DateColourAndSizeMembersFallBack) {
  DayGrid detached;
  EXPECT_EQ(detached.hWnd(), nullptr);
  detached.SetCalBackColor(0x000000FF);
  EXPECT_EQ(detached.CalBackColor(), 0x00FFFFFFu) << "written before the calendar exists: lost";
  detached.SetDayGridDate(DayOf(2010, 1, 1));
  EXPECT_EQ(detached.DayGridDate(), host::Date());
  EXPECT_EQ(detached.ClientWidthPerCalendar(), 0);
  EXPECT_EQ(detached.ClientHeightPerCalendar(), 0);
}

TEST(DayGridLook, ColoursReachTheCalendarAndTheMinimumSizeComesFromIt) {
  Designer designer;
  designer.PlaceNew();
  const HWND calendar = designer->hWnd();
  designer->SetCalBackColor(0x0000FF00);
  designer->SetBackColor(0x00404040);
  EXPECT_EQ(SendMessageA(calendar, MCM_GETCOLOR, MCSC_MONTHBK, 0), 0x0000FF00);
  EXPECT_EQ(SendMessageA(calendar, MCM_GETCOLOR, MCSC_BACKGROUND, 0), 0x00404040);
  EXPECT_EQ(SendMessageA(calendar, WM_GETFONT, 0, 0), SendMessageA(Surface(*designer), WM_GETFONT, 0, 0));

  RECT minimum{};
  SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum));
  EXPECT_GT(designer->ClientWidthPerCalendar(), 0);
  EXPECT_EQ(designer->ClientWidthPerCalendar(), minimum.right);
  EXPECT_EQ(designer->ClientHeightPerCalendar(), minimum.bottom);
}

TEST(DayGridProperties, DefaultsAreNotStored) {
  Designer designer;
  designer.Load(host::PropertyBag());
  EXPECT_EQ(designer->BackColor(), 0x00C0C0C0u);
  EXPECT_TRUE(static_cast<bool>(designer->Enabled()));
  EXPECT_EQ(designer->CalBackColor(), 0x00FFFFFFu);
  EXPECT_TRUE(KeysOf(designer.Save()).empty());
}

TEST(DayGridProperties, ChangedValuesRoundTripInTheirOrder) {
  Designer first;
  first.PlaceNew();
  host::Font bold;
  bold.Name = "Arial";
  bold.Bold = true;
  first->SetBackColor(0x00808080);
  first->SetBorderStyle(host::True);
  first->SetEnabled(host::False);
  first->SetDayGridStyle(1);
  first->SetFont(bold);
  first->SetDayGridDate(DayOf(2020, 7, 4, 12));
  first->SetCalBackColor(0x00FFFF00);
  EXPECT_EQ(first.ChangedProperties(),
            (std::vector<std::string>{"Font", "BackColor", "BorderStyle", "Enabled", "Font"}))
      << "the ambient font on placing, then the writes; style, date and month colour are not reported";
  EXPECT_NE(GetWindowLongA(Surface(*first), GWL_STYLE) & WS_BORDER, 0);

  const host::PropertyBag saved = first.Save();
  EXPECT_EQ(KeysOf(saved),
            (std::vector<std::string>{"BackColor", "BorderStyle", "Enabled", "mcStyle", "mcDate", "mcBackColor"}));
  EXPECT_TRUE(saved.Contains("Font"));

  Designer second;
  second.Load(saved);
  EXPECT_EQ(second->BackColor(), 0x00808080u);
  EXPECT_TRUE(static_cast<bool>(second->BorderStyle()));
  EXPECT_FALSE(static_cast<bool>(second->Enabled()));
  EXPECT_EQ(second->DayGridStyle(), 1);
  EXPECT_NE(StyleOf(second->hWnd()) & MCS_WEEKNUMBERS, 0);
  EXPECT_EQ(second->Font(), bold);
  EXPECT_EQ(second->CalBackColor(), 0x00FFFF00u);
  EXPECT_EQ(SendMessageA(second->hWnd(), MCM_GETCOLOR, MCSC_MONTHBK, 0), 0x00FFFF00);
  EXPECT_EQ(second->DayGridDate(), host::Today()) << "loading does not move the selection";
  EXPECT_EQ(second.Save().ReadProperty<host::Date>("mcDate", host::Date()), DayOf(2020, 7, 4, 12));
}

}  // namespace
}  // namespace daygrid
