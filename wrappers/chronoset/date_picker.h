#pragma once

#include <windows.h>

#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/usercontrol/user_control.h"
#include "host/win32/bound_handles.h"

namespace chronoset {

// The date-and-time picker common control as a user control: the picker is
// a child window that fills the control, takes its font and the focus, and
// its date is read from the text it shows.
class DatePicker : public host::UserControl {
 public:
  host::Long DatePickerFormat() const { return PickerFormat; }
  void SetDatePickerFormat(host::Long New_DatePickerFormat);
  host::Long DatePickerStyle() const { return PickerStyle; }
  void SetDatePickerStyle(host::Long New_DatePickerStyle);
  host::Boolean Enabled() const { return UserControl::Enabled(); }
  void SetEnabled(host::Boolean New_Enabled);
  // The picker window, not the control's own surface.
  HWND hWnd() const { return PickerHandle.get(); }
  const host::Font& Font() const { return UserControl::Font(); }
  void SetFont(const host::Font& New_Font);
  host::Date DatePickerDate();
  void SetDatePickerDate(host::Date New_DatePickerDate);
  void ToggleCalendar();

 protected:
  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(const host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  // The child window goes before the surface that holds it.
  void UserControl_Terminate() override { PickerHandle.reset(); }
  void UserControl_GotFocus() override;
  void UserControl_AmbientChanged(const std::string& PropertyName) override;

 private:
  void CreatePickerWindow();
  void ApplyPickerFont();

  // A child of the control's surface, owned by the control.
  host::BoundWindow PickerHandle;
  host::Long PickerFormat = 0;
  host::Long PickerStyle = 0;
  host::Date SavedDate;
};

}  // namespace chronoset
