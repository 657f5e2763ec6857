// The window procedure all forms share: one-line dispatches to the form.
#include "host/controls/control.h"
#include "host/forms/form.h"
#include "host/forms/menu.h"
#include "host/runtime/untrapped_error.h"
#include "host/win32/dc_scope.h"

namespace host {

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ObjectWindowProc<Form>(window, message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  if (const std::optional<LRESULT> routed = Control::RouteFromParent(message, wParam, lParam)) return *routed;
  if (SurfaceMouse::IsMouseMessage(message)) {
    static constexpr MouseHandlers<Form> kHandlers{&Form::Form_MouseDown, &Form::Form_MouseMove, &Form::Form_MouseUp,
                                                   &Form::Form_Click, &Form::Form_DblClick};
    RaiseMouseEvents(*this, kHandlers, mouse_.Translate(window, *surface_, message, wParam, lParam));
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      UnloadWithMode(vbFormControlMenu);
      return 0;
    case WM_QUERYENDSESSION:
      return QueryEndSession();
    case WM_ENDSESSION:
      EndSession(wParam);
      return 0;
    case WM_SIZE:
      surface_->Resized();
      RunEventHandler([this] { Form_Resize(); });
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return surface_->EraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(surface_->FontHandle());
    case WM_SETCURSOR:
      if (surface_->SetCursorForHit(lParam)) return TRUE;
      break;
    case WM_COMMAND:
      if (RaiseMenuClick(wParam, lParam)) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (HIWORD(lParam) == 0) OpenMenuPopup(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_ACTIVATE:
      if (KeepFocusAcrossActivation(wParam)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Form::RaiseMenuClick(WPARAM wParam, LPARAM lParam) {
  const auto item = menuCommands_.find(LOWORD(wParam));
  if (lParam != 0 || HIWORD(wParam) != 0 || item == menuCommands_.end()) return false;
  item->second->Click.Raise();
  return true;
}

// A title's Click comes before its pop-up shows, so that the handler can
// check, enable or rename the items about to appear.
void Form::OpenMenuPopup(HMENU popup) {
  const auto title = menuPopups_.find(popup);
  if (title != menuPopups_.end()) title->second->Click.Raise();
}

// Windows is ending the session: the form may refuse in QueryUnload, and
// unloads once every window has agreed.
LRESULT Form::QueryEndSession() { return QueryUnload(vbAppWindows) ? TRUE : FALSE; }

void Form::EndSession(WPARAM ending) {
  if (ending != 0) FinishUnload();
}

// Like a dialog, the form gives the focus back to the control that had it
// when the form was deactivated (by a message box, another window).
bool Form::KeepFocusAcrossActivation(WPARAM wParam) {
  const HWND window = window_.get();
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) lastFocus_ = focus;
    return false;
  }
  if (HIWORD(wParam) != 0 || lastFocus_ == nullptr || !IsChild(window, lastFocus_)) return false;
  SetFocus(lastFocus_);
  return true;
}

// With AutoRedraw the surface shows its bitmap and there is no Paint event;
// lines drawn as controls come on top either way.
void Form::Paint() {
  const PaintScope paint(window_.get());
  const bool persistent = surface_->PaintPersistent(paint.dc(), paint.area());
  for (Bindable* binding : created_) binding->PaintOnForm(paint.dc());
  if (!persistent) RunEventHandler([this] { Form_Paint(); });
}

}  // namespace host
