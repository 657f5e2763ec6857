// The served control's identity within its owner, its site, its ambient
// properties and IOleControl.
#include "host/activex/activex_control.h"

#include <optional>
#include <string>

#include "host/activex/ambient_names.h"
#include "host/com/com_error.h"
#include "host/com/font_object.h"
#include "host/runtime/untrapped_error.h"
#include "host/services/screen.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// The container's ambient property `id`, when its site offers it.
std::optional<Variant> AmbientValue(IDispatch& ambient, DISPID id) {
  DISPPARAMS none{};
  Variant value;
  if (FAILED(ambient.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.put(), nullptr,
                            nullptr))) {
    return std::nullopt;
  }
  return value;
}

// The ambient properties a container without any would imply: run mode, the
// default GUI font, the dialog colours.
AmbientProperties DefaultAmbient() {
  AmbientProperties ambient;
  LOGFONTA logical{};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logical, &logical) != 0) {
    ambient.Font.Name = logical.lfFaceName;
    ambient.Font.Charset = logical.lfCharSet;
    // Points from pixels at the screen's resolution (20 twips a point).
    if (logical.lfHeight < 0) {
      ambient.Font.Size = static_cast<Single>(-logical.lfHeight * Screen().TwipsPerPixelY()) / 20;
    }
  }
  return ambient;
}

// Colours travel as signed or unsigned 32-bit values.
OleColor ColorOf(const Variant& value) {
  return value.Type() == VT_UI4 ? value.get().ulVal : static_cast<OleColor>(value.ToLong());
}

}  // namespace

ActiveXControl::ActiveXControl(IDispatch& owner, const Class& description, UserControlPtr control)
    : owner_(owner),
      class_(description),
      control_(std::move(control)),
      events_(owner, description.classId, description.events) {
  ambient_ = DefaultAmbient();
  control_->Attach(*this, PixelsOf(extent_));
}

ActiveXControl::~ActiveXControl() {
  InPlaceDeactivate();
  control_.reset();
}

HRESULT ActiveXControl::Find(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IConnectionPointContainer) *object = static_cast<IConnectionPointContainer*>(&events_);
  if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
    *object = static_cast<IProvideClassInfo2*>(&events_);
  if (iid == IID_IOleObject) *object = static_cast<IOleObject*>(this);
  if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) *object = static_cast<IOleInPlaceObject*>(this);
  if (iid == IID_IOleInPlaceActiveObject) *object = static_cast<IOleInPlaceActiveObject*>(this);
  if (iid == IID_IOleControl) *object = static_cast<IOleControl*>(this);
  if (iid == IID_IViewObject || iid == IID_IViewObject2) *object = static_cast<IViewObject2*>(this);
  if (iid == IID_IPersist || iid == IID_IPersistStreamInit) *object = static_cast<IPersistStreamInit*>(this);
  if (iid == IID_IPersistPropertyBag) *object = static_cast<IPersistPropertyBag*>(this);
  if (*object == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ComPtr<IDispatch> ActiveXControl::ExtenderObject() {
  ComPtr<IOleControlSite> controlSite;
  ComPtr<IDispatch> extender;
  if (clientSite_ && SUCCEEDED(clientSite_.As(&controlSite)) &&
      SUCCEEDED(controlSite->GetExtendedControl(extender.GetAddressOf())) && extender) {
    return extender;
  }
  return ComPtr<IDispatch>(&owner_);
}

void ActiveXControl::PropertyChanged(std::string_view propertyName) {
  dirty_ = true;
  ComPtr<ITypeInfo> type;
  DISPID id = DISPID_UNKNOWN;
  const Bstr name(propertyName);
  LPOLESTR names[] = {name.get()};
  if (SUCCEEDED(owner_.GetTypeInfo(0, 0, type.GetAddressOf()))) type->GetIDsOfNames(names, 1, &id);
  events_.ReportChanged(id);
  if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

void ActiveXControl::ReadAmbient() {
  ambient_ = DefaultAmbient();
  ComPtr<IDispatch> container;
  if (!clientSite_ || FAILED(clientSite_.As(&container))) return;
  if (auto value = AmbientValue(*container.Get(), DISPID_AMBIENT_USERMODE)) {
    ambient_.UserMode = value->ToBoolean() != False;
  }
  if (auto value = AmbientValue(*container.Get(), DISPID_AMBIENT_FONT)) {
    const ComPtr<IDispatch> font(value->ToObject());
    if (auto described = FontOf(font.Get())) ambient_.Font = *described;
  }
  if (auto value = AmbientValue(*container.Get(), DISPID_AMBIENT_BACKCOLOR)) {
    ambient_.BackColor = ColorOf(*value);
  }
  if (auto value = AmbientValue(*container.Get(), DISPID_AMBIENT_FORECOLOR)) {
    ambient_.ForeColor = ColorOf(*value);
  }
  if (auto value = AmbientValue(*container.Get(), DISPID_AMBIENT_DISPLAYNAME)) ambient_.DisplayName = value->ToString();
}

HRESULT ActiveXControl::OnAmbientPropertyChange(DISPID id) noexcept {
  return RunMember("", [&] {
    ReadAmbient();
    control_->NotifyAmbientChanged(AmbientName(id));
  });
}

HRESULT ActiveXControl::FreezeEvents(BOOL freeze) noexcept {
  events_.Freeze(freeze != FALSE);
  return S_OK;
}

HRESULT ActiveXControl::GetControlInfo(CONTROLINFO* info) noexcept {
  if (info == nullptr) return E_POINTER;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT ActiveXControl::GetClassID(CLSID* classId) noexcept {
  if (classId == nullptr) return E_POINTER;
  *classId = class_.classId;
  return S_OK;
}

}  // namespace host
