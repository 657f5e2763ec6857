#include "host/container/activex_host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/activex/ambient_names.h"
#include "host/activex/com_property_bag.h"
#include "host/activex/control_class_lookup.h"
#include "host/com/com_error.h"
#include "host/container/control_site.h"
#include "host/container/extender_object.h"
#include "host/forms/form.h"
#include "host/forms/tab_order.h"
#include "host/runtime/error.h"
#include "host/runtime/untrapped_error.h"
#include "host/services/screen.h"

namespace host {
namespace {

constexpr double kTwipsPerHimetric = 1440.0 / 2540.0;

LONG HimetricFromTwips(Long twips) { return std::lround(twips / kTwipsPerHimetric); }

}  // namespace

ActiveXHost::ActiveXHost(Form& form, std::string name) : name_(std::move(name)) { form.RegisterBinding(name_, *this); }

ActiveXHost::ActiveXHost(ArrayElement, std::string name, Integer index) : name_(std::move(name)), index_(index) {}

ActiveXHost::~ActiveXHost() { Release(); }

void ActiveXHost::OnEvent(std::string eventName, ActiveXEventHandler handler) {
  handlers_.emplace_back(std::move(eventName), std::move(handler));
}

IDispatch& ActiveXHost::Object() const {
  if (!extender_) throw RuntimeError(error_number::ObjectRequired, name_ + " is not loaded");
  return *extender_.Get();
}

Form& ActiveXHost::ParentForm() const {
  if (form_ == nullptr) throw RuntimeError(error_number::ObjectRequired, name_ + " is not loaded");
  return *form_;
}

CreationContext ActiveXHost::Create(const ObjectDescription& description, const CreationContext& context) {
  form_ = &context.form;
  containerWindow_ = context.parentWindow;
  try {
    CreateControl(description, context);
  } catch (const RuntimeError& error) {
    // The form loads without the control, as it would without a file it cannot read.
    Release();
    ReportUntrappedError(error);
    return context;
  }
  const HWND window = ControlWindow();
  return CreationContext{context.form, window != nullptr ? window : context.parentWindow, nullptr};
}

// Create, give the site (first, where the control asks for that), size, load
// from the block, connect the events, activate in place.
void ActiveXHost::CreateControl(const ObjectDescription& description, const CreationContext& context) {
  if (!ole_) ole_.emplace();
  const PropertyBag bag(description.properties, context.form.Name() + "." + description.name);
  const Long left = bag.ReadProperty<Long>("Left", 0);
  const Long top = bag.ReadProperty<Long>("Top", 0);
  const Long width =
      bag.ReadProperty<Long>("Width", std::lround(bag.ReadProperty<Long>("_ExtentX", 2540) * kTwipsPerHimetric));
  const Long height =
      bag.ReadProperty<Long>("Height", std::lround(bag.ReadProperty<Long>("_ExtentY", 2540) * kTwipsPerHimetric));
  position_ = {PixelsFromTwipsX(left), PixelsFromTwipsY(top), PixelsFromTwipsX(left + width),
               PixelsFromTwipsY(top + height)};
  visible_ = static_cast<bool>(bag.ReadProperty<Boolean>("Visible", True));
  tabIndex_ = bag.ReadProperty<Integer>("TabIndex", 0);
  tabStop_ = static_cast<bool>(bag.ReadProperty<Boolean>("TabStop", True));
  toolTipText_ = bag.ReadProperty<std::string>("ToolTipText", "");
  tag_ = bag.ReadProperty<std::string>("Tag", "");

  const CLSID classId = FindControlClass(context.form.ControlLibraries(), description.className, name_);
  ComPtr<IOleObject> object;
  if (const HRESULT created = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object));
      FAILED(created)) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(created));
    throw RuntimeError(error_number::CannotCreateObject, "ActiveX component can't create object: " + name_ + " (" +
                                                             description.className + "), failure " + code);
  }
  control_ = object;
  // While the form loads, no events reach it before every control is in
  // place (a handler may name a control created after this one).
  if (ComPtr<IOleControl> control;
      context.form.IsCreatingObjects() && SUCCEEDED(object.As(&control)) && SUCCEEDED(control->FreezeEvents(TRUE))) {
    eventsFrozen_ = true;
  }
  site_.Attach(new ControlSite(*this));
  DWORD misc = 0;
  object->GetMiscStatus(DVASPECT_CONTENT, &misc);
  if ((misc & OLEMISC_SETCLIENTSITEFIRST) != 0) ThrowIfFailed(object->SetClientSite(site_.Get()));
  // Sized before it loads, so that its first Resize sees its size on the form.
  SIZEL extent{HimetricFromTwips(width), HimetricFromTwips(height)};
  object->SetExtent(DVASPECT_CONTENT, &extent);
  ComPtr<IPersistPropertyBag> persisted;
  ComPtr<IPersistStreamInit> fresh;
  if (SUCCEEDED(object.As(&persisted))) {
    ComPtr<ComPropertyBag> settings;
    settings.Attach(new ComPropertyBag(bag));
    ThrowIfFailed(persisted->Load(settings.Get(), nullptr));
  } else if (SUCCEEDED(object.As(&fresh))) {
    ThrowIfFailed(fresh->InitNew());
  }
  if ((misc & OLEMISC_SETCLIENTSITEFIRST) == 0) ThrowIfFailed(object->SetClientSite(site_.Get()));

  ComPtr<IDispatch> dispatch;
  object.As(&dispatch);
  extender_.Attach(new ExtenderObject(*this, dispatch));
  ConnectEvents();
  ThrowIfFailed(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, containerWindow_, &position_));
  if (IsWindowVisible(context.form.hWnd()) && visible_) SendVerb(OLEIVERB_SHOW);
  if (const HWND window = ControlWindow()) {
    PlaceByTabIndex(window, tabIndex_);
    SetTabStop(tabStop_);
    if (!visible_) ShowWindow(window, SW_HIDE);
  }
}

// The sink answers to the control's default source interface, described in
// the control's own type library.
void ActiveXHost::ConnectEvents() {
  if (handlers_.empty()) return;
  ComPtr<IProvideClassInfo2> classInfo;
  ComPtr<ITypeInfo> coclass;
  ComPtr<ITypeLib> library;
  ComPtr<ITypeInfo> events;
  ComPtr<IConnectionPointContainer> points;
  GUID eventsId{};
  UINT at = 0;
  if (FAILED(control_.As(&classInfo)) || FAILED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &eventsId)) ||
      FAILED(classInfo->GetClassInfo(&coclass)) || FAILED(coclass->GetContainingTypeLib(&library, &at)) ||
      FAILED(library->GetTypeInfoOfGuid(eventsId, &events)) || FAILED(control_.As(&points)) ||
      FAILED(points->FindConnectionPoint(eventsId, &eventPoint_))) {
    throw RuntimeError(error_number::CannotCreateObject, name_ + ": the control's events cannot be connected");
  }
  ComPtr<EventSink> sink;
  sink.Attach(new EventSink(events, handlers_, index_));
  ThrowIfFailed(eventPoint_->Advise(sink.Get(), &eventCookie_));
}

// Deactivate, close and let go. A control that raises an event keeps itself
// alive until the event returns, so the form may unload from a handler.
void ActiveXHost::Release() {
  if (eventPoint_) eventPoint_->Unadvise(eventCookie_);
  eventPoint_.Reset();
  if (extender_) extender_->Disconnect();
  extender_.Reset();
  if (control_) {
    if (const HWND window = ControlWindow()) ForgetTabIndex(window);
    ComPtr<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(control_.As(&inPlace))) inPlace->InPlaceDeactivate();
    control_->Close(OLECLOSE_NOSAVE);
    control_->SetClientSite(nullptr);
  }
  if (site_) site_->Disconnect();
  site_.Reset();
  control_.Reset();
  form_ = nullptr;
  eventsFrozen_ = false;
  ole_.reset();
}

void ActiveXHost::FormAmbientChanged(std::string_view propertyName) {
  ComPtr<IOleControl> control;
  if (control_ && SUCCEEDED(control_.As(&control))) control->OnAmbientPropertyChange(AmbientId(propertyName));
}

HWND ActiveXHost::ControlWindow() const {
  ComPtr<IOleInPlaceObject> inPlace;
  HWND window = nullptr;
  if (control_ && SUCCEEDED(control_.As(&inPlace))) inPlace->GetWindow(&window);
  return window;
}

RECT ActiveXHost::PlacementTwips() const {
  const Long x = Screen().TwipsPerPixelX();
  const Long y = Screen().TwipsPerPixelY();
  return {position_.left * x, position_.top * y, (position_.right - position_.left) * x,
          (position_.bottom - position_.top) * y};
}

void ActiveXHost::Move(const Variant& left, const Variant& top, const Variant& width, const Variant& height) {
  const RECT now = PlacementTwips();
  const auto given = [](const Variant& value, Long current) { return value.IsMissing() ? current : value.ToLong(); };
  const Long x = given(left, now.left);
  const Long y = given(top, now.top);
  const Long cx = given(width, now.right);
  const Long cy = given(height, now.bottom);
  if (cx < 0 || cy < 0) throw RuntimeError(error_number::InvalidPropertyValue);
  PlaceAt({PixelsFromTwipsX(x), PixelsFromTwipsY(y), PixelsFromTwipsX(x + cx), PixelsFromTwipsY(y + cy)});
}

void ActiveXHost::PlaceAt(const RECT& position) {
  position_ = position;
  ComPtr<IOleInPlaceObject> inPlace;
  if (control_ && SUCCEEDED(control_.As(&inPlace))) ThrowIfFailed(inPlace->SetObjectRects(&position_, &position_));
}

void ActiveXHost::SetVisible(bool visible) {
  visible_ = visible;
  const HWND window = ControlWindow();
  if (window == nullptr) return;
  // On a form on screen the control sees its Show and Hide; before, its window only.
  if (form_ != nullptr && IsWindowVisible(form_->hWnd())) {
    SendVerb(visible ? OLEIVERB_SHOW : OLEIVERB_HIDE);
  } else {
    ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
  }
}

void ActiveXHost::FormObjectsCreated() {
  if (!eventsFrozen_) return;
  eventsFrozen_ = false;
  ComPtr<IOleControl> control;
  if (control_ && SUCCEEDED(control_.As(&control))) control->FreezeEvents(FALSE);
}

void ActiveXHost::FormShown() {
  if (visible_) SendVerb(OLEIVERB_SHOW);
}

void ActiveXHost::FormHidden() { SendVerb(OLEIVERB_HIDE); }

void ActiveXHost::SendVerb(LONG verb) {
  if (control_) control_->DoVerb(verb, nullptr, site_.Get(), 0, containerWindow_, &position_);
}

bool ActiveXHost::Enabled() const {
  const HWND window = ControlWindow();
  return window == nullptr || IsWindowEnabled(window) != FALSE;
}

void ActiveXHost::SetEnabled(bool enabled) {
  if (const HWND window = ControlWindow()) EnableWindow(window, enabled);
}

void ActiveXHost::SetTabIndex(Integer tabIndex) {
  tabIndex_ = tabIndex;
  if (const HWND window = ControlWindow()) MoveToTabIndex(window, tabIndex);
}

void ActiveXHost::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
  const HWND window = ControlWindow();
  if (window == nullptr) return;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

}  // namespace host
