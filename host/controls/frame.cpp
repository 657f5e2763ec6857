#include "host/controls/frame.h"

#include <commctrl.h>

namespace host {
namespace {

LRESULT CALLBACK FrameSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_ERASEBKGND:
      if (Control* frame = Control::FromWindow(window)) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, frame->OnControlColor(reinterpret_cast<HDC>(wParam)));
        return 1;
      }
      break;
    default:
      if (const std::optional<LRESULT> routed = Control::RouteFromParent(message, wParam, lParam)) return *routed;
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

constexpr UINT_PTR kFrameSubclassId = 1;

}  // namespace

Control::WindowTraits Frame::TraitsFrom(const PropertyBag&) const {
  return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, vbButtonFace, vbButtonText};
}

void Frame::ApplySettings(const PropertyBag&) {
  SetWindowSubclass(Control::hWnd(), FrameSubclassProc, kFrameSubclassId, 0);
}

}  // namespace host
