#pragma once

#include <windows.h>

#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/usercontrol/user_control.h"
#include "host/win32/bound_handles.h"

namespace daygrid {

// The month-calendar common control as a user control: the calendar is a
// child window that fills the control and takes its font and colours; the
// selection is exchanged as a date.
class DayGrid : public host::UserControl {
 public:
  host::Long DayGridStyle() const { return CalendarStyle; }
  void SetDayGridStyle(host::Long New_DayGridStyle);
  host::Boolean Enabled() const { return UserControl::Enabled(); }
  void SetEnabled(host::Boolean New_Enabled);
  // The calendar window, not the control's own surface.
  HWND hWnd() const { return CalendarHandle.get(); }
  const host::Font& Font() const { return UserControl::Font(); }
  void SetFont(const host::Font& New_Font);
  host::Date DayGridDate() const;
  void SetDayGridDate(host::Date New_DayGridDate);
  host::OleColor BackColor() const { return UserControl::BackColor(); }
  void SetBackColor(host::OleColor New_BackColor);
  host::Boolean BorderStyle() const { return UserControl::BorderStyle() != 0; }
  void SetBorderStyle(host::Boolean New_BorderStyle);
  host::Long ClientWidthPerCalendar() const;
  host::Long ClientHeightPerCalendar() const;
  host::OleColor CalBackColor() const { return SavedCalBackColor; }
  void SetCalBackColor(host::OleColor New_CalBackColor);

 protected:
  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(const host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  // The child window goes before the surface that holds it.
  void UserControl_Terminate() override { CalendarHandle.reset(); }
  void UserControl_AmbientChanged(const std::string& PropertyName) override;

 private:
  void CreateCalendarWindow();
  void ApplyCalendarLook();
  RECT MinimumCalendarRect() const;

  // A child of the control's surface, owned by the control.
  host::BoundWindow CalendarHandle;
  host::Long CalendarStyle = 0;
  host::Date SavedDate;
  host::OleColor SavedCalBackColor = 0x00FFFFFF;
};

}  // namespace daygrid
