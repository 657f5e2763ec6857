#include "subclassing/boxdress/module1.h"

#include "host/runtime/error.h"
#include "host/runtime/resume_next.h"
#include "subclassing/boxdress/box_dressing.h"
#include "subclassing/boxdress/win32_functions.h"

namespace boxdress::Module1 {

BoxFontHandle BoxFont;
BoxIconHandle BoxIcon;

namespace {

using host::Long;

// The active window's own procedure while ours is installed; 0 otherwise.
Long OldWindowProc = 0;
Long BoxLeft = 0;
Long BoxTop = 0;

Long Difference(Long a, Long b) {
  Long result = 0;
  if (__builtin_sub_overflow(a, b, &result)) throw host::RuntimeError(host::error_number::Overflow);
  return result;
}

// The box keeps its size; only the axes asked for move.
void MoveBox(HWND box) {
  RECT bounds{};
  getWindowRect(box, &bounds);
  const Long left = BoxLeft >= 0 ? BoxLeft : bounds.left;
  const Long top = BoxTop >= 0 ? BoxTop : bounds.top;
  moveWindow(box, left, top, Difference(bounds.right, bounds.left), Difference(bounds.bottom, bounds.top), TRUE);
}

}  // namespace

Long PositionedMsgBox(Long X, Long Y, std::string_view Prompt, Long Buttons, std::optional<std::string_view> Title) {
  host::ResumeNext resumeNext;
  HWND hOwner = nullptr;
  resumeNext([&] { hOwner = getActiveWindow(); });
  resumeNext([&] {
    OldWindowProc = setWindowLong(hOwner, GWL_WNDPROC, reinterpret_cast<LONG>(&PlacementWindowProc));
  });
  BoxLeft = X;
  BoxTop = Y;
  Long result = 0;
  resumeNext([&] { result = Title ? host::MsgBox(Prompt, Buttons, *Title) : host::MsgBox(Prompt, Buttons); });
  BoxFont.reset();
  BoxIcon.reset();
  if (OldWindowProc != 0) {
    resumeNext([&] { setWindowLong(hOwner, GWL_WNDPROC, OldWindowProc); });
    OldWindowProc = 0;
  }
  return result;
}

LRESULT CALLBACK PlacementWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  host::ResumeNext resumeNext;
  const Long savedProc = OldWindowProc;
  // lParam names the window being activated: here the message box.
  if (uMsg == WM_ACTIVATE && lParam != 0) {
    const auto box = reinterpret_cast<HWND>(lParam);
    resumeNext([&] { MoveBox(box); });
    DressButtons(box, BoxFont);
    DressIcon(box, BoxIcon);
  }
  LRESULT result = 0;
  resumeNext([&] { result = callWindowProc(reinterpret_cast<WNDPROC>(savedProc), hWnd, uMsg, wParam, lParam); });
  if (uMsg == WM_ACTIVATE && OldWindowProc != 0) {
    resumeNext([&] { setWindowLong(hWnd, GWL_WNDPROC, OldWindowProc); });
    OldWindowProc = 0;
  }
  return result;
}

}  // namespace boxdress::Module1
