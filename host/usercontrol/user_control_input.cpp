// The keyboard and mouse events of UserControl.
#include <windowsx.h>

#include <utility>

#include "host/runtime/untrapped_error.h"
#include "host/usercontrol/input_state.h"
#include "host/usercontrol/user_control.h"

namespace host {
namespace {

Integer ShiftState() {
  return static_cast<Integer>((KeyHeld(VK_SHIFT) ? vbShiftMask : 0) | (KeyHeld(VK_CONTROL) ? vbCtrlMask : 0) |
                              (KeyHeld(VK_MENU) ? vbAltMask : 0));
}

// The button a press or release is about.
Integer ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return vbRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return vbMiddleButton;
    default:
      return vbLeftButton;
  }
}

}  // namespace

// The order of a click is MouseDown, MouseUp, Click; of a double click
// MouseDown, MouseUp, Click, DblClick, MouseUp. The surface keeps the mouse
// while a button is down and takes the focus when pressed.
LRESULT UserControl::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  Integer button = message == WM_MOUSEMOVE ? ButtonsHeld(wParam) : ButtonOf(message);
  Integer shift = ShiftOf(wParam, KeyHeld(VK_MENU));
  Single x = surface_.XFromPixel(GET_X_LPARAM(lParam));
  Single y = surface_.YFromPixel(GET_Y_LPARAM(lParam));
  switch (message) {
    case WM_MOUSEMOVE:
      RunEventHandler([&] { UserControl_MouseMove(button, shift, x, y); });
      break;
    case WM_LBUTTONDBLCLK:
      doubleClicked_ = true;
      RunEventHandler([this] { UserControl_DblClick(); });
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (ButtonsHeld(wParam) == 0 && GetCapture() == window) ReleaseCapture();
      RunEventHandler([&] { UserControl_MouseUp(button, shift, x, y); });
      if (message == WM_LBUTTONUP && !std::exchange(doubleClicked_, false)) {
        RunEventHandler([this] { UserControl_Click(); });
      }
      break;
    default:  // a press
      if (GetFocus() != window && !IsChild(window, GetFocus())) SetFocus(window);
      SetCapture(window);
      RunEventHandler([&] { UserControl_MouseDown(button, shift, x, y); });
      break;
  }
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
