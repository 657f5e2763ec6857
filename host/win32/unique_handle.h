#pragma once

#include <windows.h>

#include <utility>

namespace host {

// One owning type per handle kind, each bound to its exact release call.
template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }

  // Gives ownership away, e.g. to a window that now owns the handle.
  [[nodiscard]] Handle release() { return std::exchange(handle_, Traits::Invalid()); }

  void reset(Handle handle = Traits::Invalid()) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

// A handle someone else owns: never released through this type.
template <typename Handle>
class HandleView {
 public:
  HandleView() = default;
  explicit HandleView(Handle handle) : handle_(handle) {}
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

namespace handle_traits {
template <typename Handle, auto Closer>
struct NullIsInvalid {
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { Closer(handle); }
};
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void DeleteDeviceContext(HDC dc) { DeleteDC(dc); }
inline void CloseRegistryKey(HKEY key) { RegCloseKey(key); }
}  // namespace handle_traits

using UniqueRgn = UniqueHandle<HRGN, handle_traits::NullIsInvalid<HRGN, handle_traits::DeleteGdiObject>>;
using UniqueFont = UniqueHandle<HFONT, handle_traits::NullIsInvalid<HFONT, handle_traits::DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<HBRUSH, handle_traits::NullIsInvalid<HBRUSH, handle_traits::DeleteGdiObject>>;
using UniquePen = UniqueHandle<HPEN, handle_traits::NullIsInvalid<HPEN, handle_traits::DeleteGdiObject>>;
using UniqueBitmap = UniqueHandle<HBITMAP, handle_traits::NullIsInvalid<HBITMAP, handle_traits::DeleteGdiObject>>;
using UniqueIcon = UniqueHandle<HICON, handle_traits::NullIsInvalid<HICON, handle_traits::DestroyIconHandle>>;
using UniqueMenu = UniqueHandle<HMENU, handle_traits::NullIsInvalid<HMENU, handle_traits::DestroyMenuHandle>>;
using UniqueWindow = UniqueHandle<HWND, handle_traits::NullIsInvalid<HWND, handle_traits::DestroyWindowHandle>>;
// A device context of our own making (CreateCompatibleDC), not one from GetDC.
using UniqueDC = UniqueHandle<HDC, handle_traits::NullIsInvalid<HDC, handle_traits::DeleteDeviceContext>>;
using UniqueRegistryKey = UniqueHandle<HKEY, handle_traits::NullIsInvalid<HKEY, handle_traits::CloseRegistryKey>>;
using UniqueKernelHandle = UniqueHandle<HANDLE, handle_traits::NullIsInvalid<HANDLE, handle_traits::CloseKernelHandle>>;

using RgnView = HandleView<HRGN>;
using WindowView = HandleView<HWND>;

// The window owns the region only once SetWindowRgn succeeds; on failure the
// caller keeps it and it is freed with the UniqueRgn.
inline bool ApplyWindowRegion(HWND window, UniqueRgn region, bool redraw) {
  if (SetWindowRgn(window, region.get(), redraw) == 0) return false;
  [[maybe_unused]] const HRGN handedOver = region.release();
  return true;
}

}  // namespace host
