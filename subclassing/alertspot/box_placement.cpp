#include "subclassing/alertspot/box_placement.h"

#include "host/runtime/error.h"
#include "host/runtime/resume_next.h"
#include "host/services/app.h"
#include "host/services/message_box.h"
#include "subclassing/alertspot/user32.h"

namespace alertspot {
namespace {

using host::Long;

Long Difference(Long a, Long b) {
  Long result = 0;
  if (__builtin_sub_overflow(a, b, &result)) throw host::RuntimeError(host::error_number::Overflow);
  return result;
}

}  // namespace

HWND BoxPlacement::Install(Long X, Long Y, WNDPROC procedure) {
  host::ResumeNext resumeNext;
  HWND owner = nullptr;
  resumeNext([&] { owner = getActiveWindow(); });
  resumeNext(
      [&] { OldWindowProc = host::setWindowLongPtr(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)); });
  BoxLeft = X;
  BoxTop = Y;
  return owner;
}

void BoxPlacement::MoveBox(HWND box) const {
  host::ResumeNext resumeNext;
  resumeNext([&] {
    RECT bounds{};
    getWindowRect(box, &bounds);
    const Long left = BoxLeft >= 0 ? BoxLeft : bounds.left;
    const Long top = BoxTop >= 0 ? BoxTop : bounds.top;
    moveWindow(box, left, top, Difference(bounds.right, bounds.left), Difference(bounds.bottom, bounds.top), TRUE);
  });
}

LRESULT BoxPlacement::Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  host::ResumeNext resumeNext;
  LRESULT result = 0;
  const LONG_PTR savedProc = OldWindowProc;
  resumeNext([&] { result = callWindowProc(reinterpret_cast<WNDPROC>(savedProc), window, message, wParam, lParam); });
  if (message == WM_ACTIVATE) Restore(window);
  return result;
}

Long RuntimeMsgBox(std::string_view Prompt, Long Buttons, std::optional<std::string_view> Title,
                   std::optional<std::string_view> HelpFile, std::optional<Long> Context) {
  const std::string appTitle = host::App().Title();
  return host::MsgBox(Prompt, Buttons, Title.value_or(appTitle), HelpFile.value_or(""), Context.value_or(0));
}

void BoxPlacement::Restore(HWND owner) {
  if (OldWindowProc == 0) return;
  host::ResumeNext resumeNext;
  resumeNext([&] { host::setWindowLongPtr(owner, GWLP_WNDPROC, OldWindowProc); });
  OldWindowProc = 0;
}

}  // namespace alertspot
