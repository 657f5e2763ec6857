#include "wrappers/chronoset/date_picker.h"

#include <commctrl.h>

#include <string>

#include "host/runtime/date.h"
#include "host/runtime/error.h"
#include "host/runtime/numeric.h"
#include "host/runtime/resume_next.h"
#include "host/win32/gateway.h"
#include "host/win32/window_longs.h"

namespace chronoset {
namespace {

using host::Win32Function;

const Win32Function<decltype(::CreateWindowExA)> CreateWindowExA_{"user32", "CreateWindowExA"};
const Win32Function<decltype(::GetWindowTextA)> GetWindowTextA_{"user32", "GetWindowTextA"};
const Win32Function<decltype(::MoveWindow)> MoveWindow_{"user32", "MoveWindow"};
const Win32Function<decltype(::SendMessageA)> SendMessageA_{"user32", "SendMessageA"};
const Win32Function<decltype(::SetFocus)> SetFocus_{"user32", "SetFocus"};
const Win32Function<decltype(::InitCommonControlsEx)> InitCommonControlsEx_{"comctl32", "InitCommonControlsEx"};

constexpr int kTextCapacity = 255;

bool IsChoice(host::Long value) { return value >= 0 && value <= 2; }

DWORD FormatBits(host::Long format) {
  if (format == 1) return DTS_LONGDATEFORMAT;
  if (format == 2) return DTS_TIMEFORMAT;
  return DTS_SHORTDATEFORMAT;
}

DWORD StyleBits(host::Long style) {
  if (style == 1) return DTS_UPDOWN;
  if (style == 2) return DTS_SHOWNONE;
  return 0;
}

bool CalendarIsDown(HWND picker) {
  const auto calendar = reinterpret_cast<HWND>(SendMessageA_(picker, DTM_GETMONTHCAL, 0, 0));
  return calendar != nullptr && IsWindowVisible(calendar);
}

// The drop-down button sits at the right end of the picker.
void PressDropDownButton(HWND picker) {
  RECT client{};
  GetClientRect(picker, &client);
  const LPARAM at = MAKELPARAM(client.right - 4, client.bottom / 2);
  SendMessageA_(picker, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA_(picker, WM_LBUTTONUP, 0, at);
}

}  // namespace

void DatePicker::UserControl_Initialize() {
  host::ResumeNext rn;
  PickerFormat = 0;
  PickerStyle = 0;
  rn([&] {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx_(&classes);
  });
  rn([&] { CreatePickerWindow(); });
}

void DatePicker::CreatePickerWindow() {
  host::ResumeNext rn;
  rn([&] { PickerHandle.reset(); });
  const DWORD style = WS_CHILD | WS_VISIBLE | FormatBits(PickerFormat) | StyleBits(PickerStyle);
  SetScaleMode(3);
  const host::Single width = ScaleWidth();
  const host::Single height = ScaleHeight();
  rn([&] {
    const HWND surface = UserControl::hWnd();
    const auto instance = reinterpret_cast<HINSTANCE>(host::getWindowLongPtr(surface, GWLP_HINSTANCE));
    PickerHandle.reset(CreateWindowExA_(0, DATETIMEPICK_CLASSA, "", style, 0, 0, host::CLng(width), host::CLng(height),
                                        surface, nullptr, instance, nullptr));
  });
}

void DatePicker::ApplyPickerFont() {
  if (!PickerHandle) return;
  const LRESULT font = SendMessageA_(UserControl::hWnd(), WM_GETFONT, 0, 0);
  SendMessageA_(PickerHandle.get(), WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

void DatePicker::UserControl_Resize() {
  host::ResumeNext rn;
  if (!PickerHandle) return;
  rn([&] { MoveWindow_(PickerHandle.get(), 0, 0, host::CLng(ScaleWidth()), host::CLng(ScaleHeight()), TRUE); });
}

void DatePicker::UserControl_GotFocus() {
  if (static_cast<bool>(Enabled()) && PickerHandle) SetFocus_(PickerHandle.get());
}

void DatePicker::UserControl_AmbientChanged(const std::string& /*PropertyName*/) { ApplyPickerFont(); }

void DatePicker::SetDatePickerFormat(host::Long New_DatePickerFormat) {
  host::ResumeNext rn;
  if (!IsChoice(New_DatePickerFormat) || New_DatePickerFormat == PickerFormat) return;
  PickerFormat = New_DatePickerFormat;
  rn([&] { CreatePickerWindow(); });
}

void DatePicker::SetDatePickerStyle(host::Long New_DatePickerStyle) {
  host::ResumeNext rn;
  if (!IsChoice(New_DatePickerStyle) || New_DatePickerStyle == PickerStyle) return;
  PickerStyle = New_DatePickerStyle;
  rn([&] { CreatePickerWindow(); });
}

void DatePicker::SetEnabled(host::Boolean New_Enabled) {
  UserControl::SetEnabled(static_cast<bool>(New_Enabled));
  PropertyChanged("Enabled");
}

void DatePicker::SetFont(const host::Font& New_Font) {
  host::ResumeNext rn;
  rn([&] { UserControl::SetFont(New_Font); });
  rn([&] { PropertyChanged("Font"); });
  rn([&] { ApplyPickerFont(); });
}

host::Date DatePicker::DatePickerDate() {
  host::ResumeNext rn;
  if (!PickerHandle) return host::Date();
  rn([&] {
    std::string shown(kTextCapacity, ' ');
    const int length = GetWindowTextA_(PickerHandle.get(), shown.data(), kTextCapacity);
    shown.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    SavedDate = host::DateFromText(shown);
  });
  return SavedDate;
}

void DatePicker::SetDatePickerDate(host::Date New_DatePickerDate) {
  host::ResumeNext rn;
  if (!PickerHandle) return;
  rn([&] {
    const SYSTEMTIME given = host::SystemTimeFromDate(New_DatePickerDate);
    SYSTEMTIME shown{};
    shown.wYear = given.wYear;
    shown.wMonth = given.wMonth;
    shown.wDay = given.wDay;
    shown.wHour = given.wHour;
    shown.wMinute = given.wMinute;
    shown.wSecond = given.wSecond;
    SendMessageA_(PickerHandle.get(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
  });
  SavedDate = New_DatePickerDate;
}

void DatePicker::ToggleCalendar() {
  host::ResumeNext rn;
  if (!PickerHandle) return;
  rn([&] {
    const bool wasDown = CalendarIsDown(PickerHandle.get());
    SendMessageA_(PickerHandle.get(), WM_KEYDOWN, VK_F4, 0);
    // Some pickers (Wine's) ignore F4; they toggle on a press of their button.
    if (CalendarIsDown(PickerHandle.get()) == wasDown) PressDropDownButton(PickerHandle.get());
  });
}

void DatePicker::UserControl_InitProperties() {
  host::ResumeNext rn;
  rn([&] { SetFont(Ambient().Font); });
}

void DatePicker::UserControl_ReadProperties(const host::PropertyBag& PropBag) {
  host::ResumeNext rn;
  rn([&] { UserControl::SetEnabled(static_cast<bool>(PropBag.ReadProperty<host::Boolean>("Enabled", host::True))); });
  rn([&] { PickerFormat = PropBag.ReadProperty<host::Long>("DateFormat", 0); });
  rn([&] { PickerStyle = PropBag.ReadProperty<host::Long>("dpStyle", 0); });
  rn([&] { SetFont(PropBag.ReadProperty<host::Font>("Font", Ambient().Font)); });
  rn([&] { CreatePickerWindow(); });
  rn([&] { ApplyPickerFont(); });
  rn([&] { SavedDate = PropBag.ReadProperty<host::Date>("dpDate", host::Today()); });
  host::Err().Clear();
}

void DatePicker::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::ResumeNext rn;
  rn([&] { PropBag.WriteProperty<host::Boolean>("Enabled", Enabled(), host::True); });
  rn([&] { PropBag.WriteProperty<host::Long>("DateFormat", PickerFormat, 0); });
  rn([&] { PropBag.WriteProperty<host::Long>("dpStyle", PickerStyle, 0); });
  rn([&] { PropBag.WriteProperty<host::Font>("Font", Font(), Ambient().Font); });
  rn([&] { PropBag.WriteProperty<host::Date>("dpDate", SavedDate, host::Today()); });
  host::Err().Clear();
}

}  // namespace chronoset
