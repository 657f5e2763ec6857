#include "host/container/control_site.h"

#include <cmath>
#include <new>

#include "host/com/com_error.h"
#include "host/com/font_object.h"
#include "host/com/untyped_dispatch.h"
#include "host/com/variant.h"
#include "host/container/activex_host.h"
#include "host/container/extender_object.h"
#include "host/forms/form.h"
#include "host/forms/form_coordinates.h"
#include "host/runtime/color.h"

namespace host {
namespace {

// The frame a control activated in place may ask for: the form's window,
// with no tool space, menus or status line to share.
class FormFrame final : public ServedObject<IOleInPlaceFrame> {
 public:
  explicit FormFrame(HWND window) : window_(window) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IOleWindow, IID_IOleInPlaceUIWindow, IID_IOleInPlaceFrame});
  }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override {
    if (window == nullptr) return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) noexcept override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) noexcept override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) noexcept override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) noexcept override { return S_FALSE; }

 private:
  HWND window_;
};

}  // namespace

HRESULT ControlSite::QueryInterface(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) return Hand(static_cast<IOleInPlaceSite*>(this), object);
  if (iid == IID_IOleControlSite) return Hand(static_cast<IOleControlSite*>(this), object);
  if (iid == IID_IDispatch) return Hand(static_cast<IDispatch*>(this), object);
  return Offer(iid, object, {IID_IOleClientSite});
}

HRESULT ControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
  if (moniker != nullptr) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT ControlSite::GetContainer(IOleContainer** container) noexcept {
  if (container != nullptr) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT ControlSite::GetWindow(HWND* window) noexcept {
  if (window == nullptr) return E_POINTER;
  *window = host_ != nullptr ? host_->ContainerWindow() : nullptr;
  return *window != nullptr ? S_OK : E_FAIL;
}

HRESULT ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) noexcept {
  if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr || frameInfo == nullptr) {
    return E_POINTER;
  }
  *frame = nullptr;
  *document = nullptr;
  if (host_ == nullptr) return E_UNEXPECTED;
  const HWND formWindow = host_->ParentForm().hWnd();
  *frame = new (std::nothrow) FormFrame(formWindow);
  if (*frame == nullptr) return E_OUTOFMEMORY;
  *position = host_->Position();
  *clip = host_->Position();
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = formWindow;
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

HRESULT ControlSite::OnPosRectChange(LPCRECT position) noexcept {
  if (position == nullptr) return E_POINTER;
  ComPtr<IOleInPlaceObject> inPlace;
  if (host_ == nullptr || FAILED(host_->Object().QueryInterface(IID_PPV_ARGS(&inPlace)))) return E_UNEXPECTED;
  return inPlace->SetObjectRects(position, position);
}

HRESULT ControlSite::GetExtendedControl(IDispatch** extender) noexcept {
  if (extender == nullptr) return E_POINTER;
  *extender = nullptr;
  if (host_ == nullptr || !host_->Loaded()) return E_UNEXPECTED;
  // While the control loads, the host has made no extender yet.
  return RunMember("", [&] {
    *extender = &host_->Object();
    (*extender)->AddRef();
  });
}

HRESULT ControlSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) noexcept {
  if (himetric == nullptr || container == nullptr) return E_POINTER;
  if (host_ == nullptr) return E_UNEXPECTED;
  const bool position = (flags & XFORMCOORDS_POSITION) != 0;
  try {
    if ((flags & XFORMCOORDS_HIMETRICTOCONTAINER) != 0) {
      const POINTF given{static_cast<FLOAT>(himetric->x), static_cast<FLOAT>(himetric->y)};
      *container = TransformFormCoords(host_->ParentForm(), given, position, true);
      return S_OK;
    }
    if ((flags & XFORMCOORDS_CONTAINERTOHIMETRIC) != 0) {
      const POINTF converted = TransformFormCoords(host_->ParentForm(), *container, position, false);
      *himetric = {std::lround(converted.x), std::lround(converted.y)};
      return S_OK;
    }
    return E_INVALIDARG;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT ControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept { return DISP_E_UNKNOWNNAME; }

HRESULT ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                            UINT*) noexcept {
  if ((flags & DISPATCH_PROPERTYGET) == 0) return DISP_E_MEMBERNOTFOUND;
  if (host_ == nullptr || result == nullptr) return DISP_E_MEMBERNOTFOUND;
  try {
    const Form& form = host_->ParentForm();
    Variant value;
    switch (id) {
      case DISPID_AMBIENT_USERMODE:
        value = Variant(Boolean(host_->UserMode()));
        break;
      case DISPID_AMBIENT_FONT:
        value = Variant(CreateFontObject(form.Font()).Get());
        break;
      case DISPID_AMBIENT_BACKCOLOR:
        value = Variant(static_cast<Long>(form.BackColor()));
        break;
      case DISPID_AMBIENT_FORECOLOR:
        value = Variant(static_cast<Long>(form.ForeColor()));
        break;
      case DISPID_AMBIENT_DISPLAYNAME:
        value = Variant(std::string_view(host_->Name()));
        break;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
    *result = *value.get();
    value.get()->vt = VT_EMPTY;  // handed over
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace host
