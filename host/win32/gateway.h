#pragma once

#include <windows.h>

#include <atomic>
#include <string_view>
#include <utility>

namespace host {

// The entry point `entryPoint` of `library`, loading the library on first use.
// Raises run-time error 48 when the library cannot be loaded and 453 when it
// has no such entry point. Libraries stay loaded for the life of the process,
// so a bound address never dangles.
FARPROC BindEntryPoint(std::string_view library, std::string_view entryPoint);

// Tests stand a function of their own in for an entry point (null puts the
// real one back), to reach failures the system cannot be made to produce on
// demand. Every replacement starts a new generation, and a function bound in
// an older one binds again on its next call.
void ReplaceEntryPoint(std::string_view library, std::string_view entryPoint, FARPROC replacement);
inline std::atomic<unsigned> entryPointGeneration{0};

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
    const unsigned generation = entryPointGeneration.load(std::memory_order_relaxed);
    if (address_ == nullptr || generation_ != generation) {
      address_ = reinterpret_cast<Signature*>(reinterpret_cast<void*>(BindEntryPoint(library_, entryPoint_)));
      generation_ = generation;
    }
    return address_;
  }

  std::string_view library_;
  std::string_view entryPoint_;
  mutable Signature* address_ = nullptr;
  mutable unsigned generation_ = 0;
};

}  // namespace host
