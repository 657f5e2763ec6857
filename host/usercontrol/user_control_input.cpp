// The keyboard and mouse events of UserControl.
#include "host/runtime/untrapped_error.h"
#include "host/drawing/input_state.h"
#include "host/usercontrol/user_control.h"

namespace host {
namespace {

Integer ShiftState() {
  return static_cast<Integer>((KeyHeld(VK_SHIFT) ? vbShiftMask : 0) | (KeyHeld(VK_CONTROL) ? vbCtrlMask : 0) |
                              (KeyHeld(VK_MENU) ? vbAltMask : 0));
}

}  // namespace

// See SurfaceMouse for the order; a press also takes the focus.
LRESULT UserControl::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  if (SurfaceMouse::IsPress(message) && GetFocus() != window && !IsChild(window, GetFocus())) SetFocus(window);
  static constexpr MouseHandlers<UserControl> kHandlers{
      &UserControl::UserControl_MouseDown, &UserControl::UserControl_MouseMove, &UserControl::UserControl_MouseUp,
      &UserControl::UserControl_Click, &UserControl::UserControl_DblClick};
  RaiseMouseEvents(*this, kHandlers, mouse_.Translate(window, surface_, message, wParam, lParam));
  return 0;
}

// What the handler leaves in KeyCode or KeyAscii goes on to the default
// handling; 0 goes nowhere.
LRESULT UserControl::KeyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  Integer key = static_cast<Integer>(wParam);
  if (message == WM_CHAR) {
    RunEventHandler([&] { UserControl_KeyPress(key); });
  } else {
    Integer shift = ShiftState();
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
      RunEventHandler([&] { UserControl_KeyDown(key, shift); });
    } else {
      RunEventHandler([&] { UserControl_KeyUp(key, shift); });
    }
  }
  if (key == 0) return 0;
  return DefWindowProcA(window_.get(), message, static_cast<WPARAM>(static_cast<UINT>(key)), lParam);
}

}  // namespace host
