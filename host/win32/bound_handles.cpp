#include "host/win32/bound_handles.h"

#include "host/runtime/resume_next.h"
#include "host/win32/gateway.h"

namespace host::bound_release {
namespace {

const Win32Function<decltype(::DestroyWindow)> destroyWindow{"user32", "DestroyWindow"};
const Win32Function<decltype(::DestroyIcon)> destroyIcon{"user32", "DestroyIcon"};
const Win32Function<decltype(::DeleteObject)> deleteObject{"gdi32", "DeleteObject"};
const Win32Function<decltype(::DestroyMenu)> destroyMenu{"user32", "DestroyMenu"};
const Win32Function<decltype(::CloseHandle)> closeHandle{"kernel32", "CloseHandle"};
const Win32Function<decltype(::SetWindowRgn)> setWindowRgn{"user32", "SetWindowRgn"};

}  // namespace

void Window::Close(HWND window) {
  ResumeNext()([&] { destroyWindow(window); });
}
void Icon::Close(HICON icon) {
  ResumeNext()([&] { destroyIcon(icon); });
}
void Font::Close(HFONT font) {
  ResumeNext()([&] { deleteObject(font); });
}
void Menu::Close(HMENU menu) {
  ResumeNext()([&] { destroyMenu(menu); });
}
void KernelHandle::Close(HANDLE handle) {
  ResumeNext()([&] { closeHandle(handle); });
}
void Region::Close(HRGN region) {
  ResumeNext()([&] { deleteObject(region); });
}

}  // namespace host::bound_release

namespace host {

bool ApplyWindowRegion(HWND window, BoundRgn& region, bool redraw) {
  if (bound_release::setWindowRgn(window, region.get(), redraw) == 0) return false;
  [[maybe_unused]] const HRGN handedOver = region.release();
  return true;
}

}  // namespace host
