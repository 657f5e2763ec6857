// The served control's embedding in a container: IOleObject and in-place
// activation (IOleInPlaceObject, IOleInPlaceActiveObject).
#include "host/activex/activex_control.h"

#include <cmath>
#include <utility>

#include "host/com/com_error.h"
#include "host/services/screen.h"

namespace host {
namespace {

constexpr double kHimetricPerTwip = 2540.0 / 1440.0;

LONG HimetricFromPixels(LONG pixels, Long twipsPerPixel) {
  return static_cast<LONG>(std::lround(static_cast<double>(pixels) * twipsPerPixel * kHimetricPerTwip));
}

}  // namespace

RECT ActiveXControl::PixelsOf(SIZEL himetric) {
  return {0, 0, PixelsFromTwipsX(himetric.cx / kHimetricPerTwip), PixelsFromTwipsY(himetric.cy / kHimetricPerTwip)};
}

SIZEL ActiveXControl::ExtentNow() const {
  RECT window{};
  if (!GetWindowRect(control_->hWnd(), &window)) return extent_;
  return {HimetricFromPixels(window.right - window.left, Screen().TwipsPerPixelX()),
          HimetricFromPixels(window.bottom - window.top, Screen().TwipsPerPixelY())};
}

HRESULT ActiveXControl::SetClientSite(IOleClientSite* site) noexcept {
  clientSite_ = site;
  return RunMember("", [this] { ReadAmbient(); });
}

HRESULT ActiveXControl::GetClientSite(IOleClientSite** site) noexcept {
  if (site == nullptr) return E_POINTER;
  return clientSite_.CopyTo(site);
}

HRESULT ActiveXControl::Close(DWORD) noexcept {
  InPlaceDeactivate();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

HRESULT ActiveXControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
  if (moniker != nullptr) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT ActiveXControl::GetClipboardData(DWORD, IDataObject** data) noexcept {
  if (data != nullptr) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT ActiveXControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position) noexcept {
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW: {
      const HRESULT result = ActivateInPlace(site, parent, position, false);
      return SUCCEEDED(result) ? RunMember("", [this] { RaiseShow(); }) : result;
    }
    case OLEIVERB_INPLACEACTIVATE:
      return ActivateInPlace(site, parent, position, false);
    case OLEIVERB_UIACTIVATE:
      return ActivateInPlace(site, parent, position, true);
    case OLEIVERB_HIDE:
      return RunMember("", [this] { RaiseHide(); });
    default:
      return verb > 0 ? OLEOBJ_S_INVALIDVERB : E_NOTIMPL;
  }
}

void ActiveXControl::RaiseShow() {
  if (shown_ || containerWindow_ == nullptr) return;
  shown_ = true;
  control_->NotifyShow();
}

// Some containers activate the control while their own window is still
// being created and never send the show verb: its first paint is its Show.
void ActiveXControl::SurfacePainting() {
  if (!shown_ && containerWindow_ != nullptr && IsWindowVisible(containerWindow_)) RaiseShow();
}

// Through the container's control site; HIMETRIC travels in whole units.
POINTF ActiveXControl::TransformCoords(POINTF point, bool position, bool toContainer) {
  ComPtr<IOleControlSite> site;
  if (!clientSite_ || FAILED(clientSite_.As(&site))) return point;
  POINTL himetric{std::lround(point.x), std::lround(point.y)};
  POINTF container = point;
  const DWORD flags = (position ? XFORMCOORDS_POSITION : XFORMCOORDS_SIZE) |
                      (toContainer ? XFORMCOORDS_HIMETRICTOCONTAINER : XFORMCOORDS_CONTAINERTOHIMETRIC);
  if (FAILED(site->TransformCoords(&himetric, &container, flags))) return point;
  return toContainer ? container : POINTF{static_cast<FLOAT>(himetric.x), static_cast<FLOAT>(himetric.y)};
}

void ActiveXControl::RaiseHide() {
  if (!shown_) return;
  shown_ = false;
  control_->NotifyHide();
}

// Asks the container's in-place site (where it has one) for the window and
// the rectangle, places the surface there and shows it; a new control that
// no one loaded starts as newly placed.
HRESULT ActiveXControl::ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT position, bool uiActive) {
  if (site == nullptr) site = clientSite_.Get();
  ComPtr<IOleInPlaceSite> inPlace;
  if (site != nullptr) site->QueryInterface(IID_PPV_ARGS(&inPlace));
  if (containerWindow_ == nullptr) {
    if (inPlace && inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
    HWND window = parent;
    RECT placed = position != nullptr ? *position : PixelsOf(extent_);
    if (inPlace) {
      inPlace->OnInPlaceActivate();
      inPlace->GetWindow(&window);
      ComPtr<IOleInPlaceFrame> frame;
      ComPtr<IOleInPlaceUIWindow> document;
      RECT clip{};
      OLEINPLACEFRAMEINFO frameInfo{};
      frameInfo.cb = sizeof frameInfo;
      inPlace->GetWindowContext(frame.GetAddressOf(), document.GetAddressOf(), &placed, &clip, &frameInfo);
    }
    if (window == nullptr) {
      if (inPlace) inPlace->OnInPlaceDeactivate();
      return E_INVALIDARG;
    }
    inPlaceSite_ = inPlace;
    containerWindow_ = window;
    // Show waits for a container that is not on screen yet (a form still
    // loading): its show verb raises it, once every control is in place.
    const HRESULT result = RunMember("", [&] {
      if (!loaded_) LoadOnce(nullptr);
      control_->Place(window, placed);
      ShowWindow(control_->hWnd(), SW_SHOWNA);
      if (IsWindowVisible(window)) RaiseShow();
    });
    if (FAILED(result)) return result;
  }
  if (uiActive && !uiActive_) {
    uiActive_ = true;
    if (inPlaceSite_) inPlaceSite_->OnUIActivate();
    SetFocus(control_->hWnd());
  }
  return S_OK;
}

HRESULT ActiveXControl::EnumVerbs(IEnumOLEVERB** verbs) noexcept { return OleRegEnumVerbs(class_.classId, verbs); }

HRESULT ActiveXControl::GetUserType(DWORD form, LPOLESTR* name) noexcept {
  return OleRegGetUserType(class_.classId, form, name);
}

// Before activation the extent sizes the control; after it the container's
// object rectangles do (some containers set extents in the wrong unit).
HRESULT ActiveXControl::SetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  extent_ = *size;
  if (containerWindow_ != nullptr) return S_OK;
  const RECT pixels = PixelsOf(extent_);
  SetWindowPos(control_->hWnd(), nullptr, 0, 0, pixels.right, pixels.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return S_OK;
}

HRESULT ActiveXControl::GetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = ExtentNow();
  return S_OK;
}

HRESULT ActiveXControl::Advise(IAdviseSink* sink, DWORD* cookie) noexcept {
  if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.GetAddressOf()))) return E_OUTOFMEMORY;
  return adviseHolder_->Advise(sink, cookie);
}

HRESULT ActiveXControl::Unadvise(DWORD cookie) noexcept {
  return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

HRESULT ActiveXControl::EnumAdvise(IEnumSTATDATA** advises) noexcept {
  if (advises == nullptr) return E_POINTER;
  *advises = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : S_OK;
}

HRESULT ActiveXControl::GetMiscStatus(DWORD, DWORD* status) noexcept {
  if (status == nullptr) return E_POINTER;
  *status = class_.miscStatus;
  return S_OK;
}

HRESULT ActiveXControl::GetWindow(HWND* window) noexcept {
  if (window == nullptr) return E_POINTER;
  *window = containerWindow_ != nullptr ? control_->hWnd() : nullptr;
  return *window != nullptr ? S_OK : E_FAIL;
}

// Hide, then back to the parking window: the container's window may be
// destroyed next, and the surface must not go with it.
HRESULT ActiveXControl::InPlaceDeactivate() noexcept {
  if (containerWindow_ == nullptr) return S_OK;
  UIDeactivate();
  RaiseHide();
  control_->Park();
  containerWindow_ = nullptr;
  if (inPlaceSite_) std::exchange(inPlaceSite_, nullptr)->OnInPlaceDeactivate();
  return S_OK;
}

HRESULT ActiveXControl::UIDeactivate() noexcept {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT ActiveXControl::SetObjectRects(LPCRECT position, LPCRECT) noexcept {
  if (position == nullptr) return E_POINTER;
  if (containerWindow_ == nullptr) return E_UNEXPECTED;
  control_->Place(containerWindow_, *position);
  return S_OK;
}

}  // namespace host
