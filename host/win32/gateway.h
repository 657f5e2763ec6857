#pragma once

#include <windows.h>

#include <string_view>
#include <utility>

namespace host {

// The entry point `entryPoint` of `library`, loading the library on first use.
// Raises run-time error 48 when the library cannot be loaded and 453 when it
// has no such entry point. Libraries stay loaded for the life of the process,
// so a bound address never dangles.
FARPROC BindEntryPoint(std::string_view library, std::string_view entryPoint);

// A Win32 function named by library and entry point, bound on its first call.
//
//   Win32Function<decltype(::SetWindowTextA)> setWindowText{"user32", "SetWindowTextA"};
//   setWindowText(window, "text");
template <typename Signature>
class Win32Function {
 public:
  constexpr Win32Function(std::string_view library, std::string_view entryPoint)
      : library_(library), entryPoint_(entryPoint) {}

  template <typename... Args>
  decltype(auto) operator()(Args&&... args) const {
    return Bound()(std::forward<Args>(args)...);
  }

  bool IsBound() const { return address_ != nullptr; }

 private:
  Signature* Bound() const {
    if (address_ == nullptr) {
      address_ = reinterpret_cast<Signature*>(reinterpret_cast<void*>(BindEntryPoint(library_, entryPoint_)));
    }
    return address_;
  }

  std::string_view library_;
  std::string_view entryPoint_;
  mutable Signature* address_ = nullptr;
};

}  // namespace host
