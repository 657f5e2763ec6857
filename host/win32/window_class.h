#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace host {

// Registers a window class of this module (see ThisModule) and returns its
// name: `base` followed by the module's address, so that the runtime linked
// into a control library and the one of the program that loads it never
// register or look up each other's classes. `windowClass` gives the
// procedure, style, cursor and icons; size, instance and name are filled in.
// Registering the same class again returns the same name.
std::string RegisterModuleClass(std::string_view base, WNDCLASSEXA windowClass);

// The window procedure of a class whose windows each belong to one object of
// type T: the object's address comes as CreateWindowEx's creation parameter,
// and every message after CreateWindowEx has handed the window to the object
// (T::window_) goes to T::HandleMessage. T befriends this procedure.
template <typename T>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (object == nullptr || object->window_.get() != window) return DefWindowProcA(window, message, wParam, lParam);
  return object->HandleMessage(message, wParam, lParam);
}

}  // namespace host
