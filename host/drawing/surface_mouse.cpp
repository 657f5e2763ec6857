#include "host/drawing/surface_mouse.h"

#include <windowsx.h>

#include <utility>

#include "host/drawing/drawing_surface.h"
#include "host/drawing/input_state.h"

namespace host {
namespace {

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

bool SurfaceMouse::IsMouseMessage(UINT message) {
  return message == WM_MOUSEMOVE || IsPress(message) || message == WM_LBUTTONUP || message == WM_RBUTTONUP ||
         message == WM_MBUTTONUP || message == WM_LBUTTONDBLCLK;
}

// A double click of the right or middle button counts as a press.
bool SurfaceMouse::IsPress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

std::vector<MouseEvent> SurfaceMouse::Translate(HWND window, const DrawingSurface& surface, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  MouseEvent event{MouseEvent::Kind::Down, message == WM_MOUSEMOVE ? ButtonsHeld(wParam) : ButtonOf(message),
                   ShiftOf(wParam, KeyHeld(VK_MENU)), surface.XFromPixel(GET_X_LPARAM(lParam)),
                   surface.YFromPixel(GET_Y_LPARAM(lParam))};
  switch (message) {
    case WM_MOUSEMOVE:
      event.kind = MouseEvent::Kind::Move;
      return {event};
    case WM_LBUTTONDBLCLK:  // the second press
      doubleClicked_ = true;
      SetCapture(window);
      return {MouseEvent{MouseEvent::Kind::DblClick}};
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if (ButtonsHeld(wParam) == 0 && GetCapture() == window) ReleaseCapture();
      event.kind = MouseEvent::Kind::Up;
      std::vector<MouseEvent> events{event};
      if (message == WM_LBUTTONUP && !std::exchange(doubleClicked_, false)) {
        events.push_back(MouseEvent{MouseEvent::Kind::Click});
      }
      return events;
    }
    default:  // a press
      SetCapture(window);
      return {event};
  }
}

}  // namespace host
