// The served control's picture for a container that draws it without
// activating it: IViewObject2.
#include "host/activex/activex_control.h"

#include "host/win32/dc_scope.h"
#include "host/win32/unique_handle.h"

namespace host {

// The surface prints itself (frame, background, constituent controls) into
// a bitmap of its own size, which is stretched to the container's bounds.
HRESULT ActiveXControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw, LPCRECTL bounds, LPCRECTL,
                             BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (draw == nullptr || bounds == nullptr) return E_INVALIDARG;
  RECT window{};
  GetWindowRect(control_->hWnd(), &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const UniqueDC memory(CreateCompatibleDC(draw));
  const UniqueBitmap picture(CreateCompatibleBitmap(draw, width, height));
  if (!memory || !picture) return E_OUTOFMEMORY;
  const SelectedObject selected(memory.get(), picture.get());
  SendMessageA(control_->hWnd(), WM_PRINT, reinterpret_cast<WPARAM>(memory.get()),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  StretchBlt(draw, bounds->left, bounds->top, bounds->right - bounds->left, bounds->bottom - bounds->top, memory.get(),
             0, 0, width, height, SRCCOPY);
  return S_OK;
}

HRESULT ActiveXControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) noexcept {
  if (colors != nullptr) *colors = nullptr;
  return S_FALSE;  // no palette of its own
}

HRESULT ActiveXControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept {
  viewAspects_ = aspects;
  viewFlags_ = flags;
  viewSink_ = sink;
  return S_OK;
}

HRESULT ActiveXControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept {
  if (aspects != nullptr) *aspects = viewAspects_;
  if (flags != nullptr) *flags = viewFlags_;
  if (sink != nullptr) viewSink_.CopyTo(sink);
  return S_OK;
}

}  // namespace host
