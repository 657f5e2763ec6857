#include "wrappers/daygrid/day_grid.h"

#include <commctrl.h>

#include <cstdlib>

#include "host/runtime/date.h"
#include "host/runtime/error.h"
#include "host/runtime/numeric.h"
#include "host/runtime/resume_next.h"
#include "host/win32/gateway.h"
#include "host/win32/window_longs.h"

namespace daygrid {
namespace {

using host::Win32Function;

const Win32Function<decltype(::CreateWindowExA)> CreateWindowExA_{"user32", "CreateWindowExA"};
const Win32Function<decltype(::MoveWindow)> MoveWindow_{"user32", "MoveWindow"};
const Win32Function<decltype(::SendMessageA)> SendMessageA_{"user32", "SendMessageA"};
const Win32Function<decltype(::InitCommonControlsEx)> InitCommonControlsEx_{"comctl32", "InitCommonControlsEx"};

constexpr host::OleColor kControlGrey = 0x00C0C0C0;
constexpr host::OleColor kWhite = 0x00FFFFFF;
// The system's month-calendar window class.
constexpr const char* kCalendarClass = "SysMonthCal32";

}  // namespace

void DayGrid::UserControl_Initialize() {
  host::ResumeNext rn;
  rn([&] { UserControl::SetBackColor(kControlGrey); });
  CalendarStyle = 0;
  SavedCalBackColor = kWhite;
  rn([&] {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx_(&classes);
  });
  rn([&] { CreateCalendarWindow(); });
}

void DayGrid::CreateCalendarWindow() {
  host::ResumeNext rn;
  rn([&] { CalendarHandle.reset(); });
  const DWORD style = WS_CHILD | WS_VISIBLE | (CalendarStyle == 1 ? MCS_WEEKNUMBERS : 0);
  rn([&] {
    const HWND surface = UserControl::hWnd();
    const auto instance = reinterpret_cast<HINSTANCE>(host::getWindowLongPtr(surface, GWLP_HINSTANCE));
    CalendarHandle.reset(
        CreateWindowExA_(0, kCalendarClass, "", style, 0, 0, 0, 0, surface, nullptr, instance, nullptr));
  });
  rn([&] { ApplyCalendarLook(); });
  rn([&] { UserControl_Resize(); });
}

void DayGrid::ApplyCalendarLook() {
  if (!CalendarHandle) return;
  const LRESULT font = SendMessageA_(UserControl::hWnd(), WM_GETFONT, 0, 0);
  SendMessageA_(CalendarHandle.get(), WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  SendMessageA_(CalendarHandle.get(), MCM_SETCOLOR, MCSC_BACKGROUND, static_cast<LPARAM>(UserControl::BackColor()));
  SendMessageA_(CalendarHandle.get(), MCM_SETCOLOR, MCSC_MONTHBK, static_cast<LPARAM>(SavedCalBackColor));
}

void DayGrid::UserControl_Resize() {
  host::ResumeNext rn;
  SetScaleMode(3);
  if (!CalendarHandle) return;
  rn([&] { MoveWindow_(CalendarHandle.get(), 0, 0, host::CLng(ScaleWidth()), host::CLng(ScaleHeight()), TRUE); });
}

void DayGrid::UserControl_AmbientChanged(const std::string& /*PropertyName*/) { ApplyCalendarLook(); }

void DayGrid::SetDayGridStyle(host::Long New_DayGridStyle) {
  host::ResumeNext rn;
  if (New_DayGridStyle != 0 && New_DayGridStyle != 1) return;
  if (New_DayGridStyle == CalendarStyle) return;
  CalendarStyle = New_DayGridStyle;
  rn([&] { CreateCalendarWindow(); });
}

void DayGrid::SetEnabled(host::Boolean New_Enabled) {
  UserControl::SetEnabled(static_cast<bool>(New_Enabled));
  PropertyChanged("Enabled");
}

void DayGrid::SetFont(const host::Font& New_Font) {
  host::ResumeNext rn;
  rn([&] { UserControl::SetFont(New_Font); });
  rn([&] { PropertyChanged("Font"); });
  rn([&] { ApplyCalendarLook(); });
}

host::Date DayGrid::DayGridDate() const {
  host::ResumeNext rn;
  host::Date selected;
  if (!CalendarHandle) return selected;
  rn([&] {
    SYSTEMTIME shown{};
    SendMessageA_(CalendarHandle.get(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
    SYSTEMTIME day{};
    day.wYear = shown.wYear;
    day.wMonth = shown.wMonth;
    day.wDay = shown.wDay;
    selected = host::DateFromSystemTime(day);
  });
  return selected;
}

void DayGrid::SetDayGridDate(host::Date New_DayGridDate) {
  host::ResumeNext rn;
  if (!CalendarHandle) return;
  rn([&] {
    const SYSTEMTIME given = host::SystemTimeFromDate(New_DayGridDate);
    SYSTEMTIME day{};
    day.wYear = given.wYear;
    day.wMonth = given.wMonth;
    day.wDay = given.wDay;
    SendMessageA_(CalendarHandle.get(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
  });
  SavedDate = New_DayGridDate;
}

void DayGrid::SetBackColor(host::OleColor New_BackColor) {
  UserControl::SetBackColor(New_BackColor);
  PropertyChanged("BackColor");
  ApplyCalendarLook();
}

void DayGrid::SetBorderStyle(host::Boolean New_BorderStyle) {
  UserControl::SetBorderStyle(static_cast<host::Integer>(std::abs(New_BorderStyle.Value())));
  PropertyChanged("BorderStyle");
}

RECT DayGrid::MinimumCalendarRect() const {
  RECT minimum{};
  if (CalendarHandle) {
    host::ResumeNext rn;
    rn([&] { SendMessageA_(CalendarHandle.get(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimum)); });
  }
  return minimum;
}

host::Long DayGrid::ClientWidthPerCalendar() const { return MinimumCalendarRect().right; }

host::Long DayGrid::ClientHeightPerCalendar() const { return MinimumCalendarRect().bottom; }

void DayGrid::SetCalBackColor(host::OleColor New_CalBackColor) {
  host::ResumeNext rn;
  if (!CalendarHandle) return;
  SavedCalBackColor = New_CalBackColor;
  rn([&] { ApplyCalendarLook(); });
}

void DayGrid::UserControl_InitProperties() {
  host::ResumeNext rn;
  rn([&] { SetFont(Ambient().Font); });
}

void DayGrid::UserControl_ReadProperties(const host::PropertyBag& PropBag) {
  host::ResumeNext rn;
  rn([&] { UserControl::SetBackColor(PropBag.ReadProperty<host::OleColor>("BackColor", kControlGrey)); });
  rn([&] { UserControl::SetBorderStyle(PropBag.ReadProperty<host::Integer>("BorderStyle", 0)); });
  rn([&] { UserControl::SetEnabled(static_cast<bool>(PropBag.ReadProperty<host::Boolean>("Enabled", host::True))); });
  rn([&] { CalendarStyle = PropBag.ReadProperty<host::Long>("mcStyle", 0); });
  rn([&] { SavedCalBackColor = PropBag.ReadProperty<host::OleColor>("mcBackColor", kWhite); });
  rn([&] { SetFont(PropBag.ReadProperty<host::Font>("Font", Ambient().Font)); });
  rn([&] { CreateCalendarWindow(); });
  rn([&] { ApplyCalendarLook(); });
  rn([&] { SavedDate = PropBag.ReadProperty<host::Date>("mcDate", host::Today()); });
  host::Err().Clear();
}

void DayGrid::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::ResumeNext rn;
  rn([&] { PropBag.WriteProperty<host::OleColor>("BackColor", UserControl::BackColor(), kControlGrey); });
  rn([&] { PropBag.WriteProperty<host::Integer>("BorderStyle", UserControl::BorderStyle(), 0); });
  rn([&] { PropBag.WriteProperty<host::Boolean>("Enabled", Enabled(), host::True); });
  rn([&] { PropBag.WriteProperty<host::Long>("mcStyle", CalendarStyle, 0); });
  rn([&] { PropBag.WriteProperty<host::Font>("Font", Font(), Ambient().Font); });
  rn([&] { PropBag.WriteProperty<host::Date>("mcDate", SavedDate, host::Today()); });
  rn([&] { PropBag.WriteProperty<host::OleColor>("mcBackColor", SavedCalBackColor, kWhite); });
  host::Err().Clear();
}

}  // namespace daygrid
