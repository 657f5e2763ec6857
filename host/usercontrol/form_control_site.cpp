#include "host/usercontrol/form_control_site.h"

#include "host/controls/control.h"
#include "host/description/property_bag.h"
#include "host/forms/form.h"
#include "host/forms/form_coordinates.h"
#include "host/forms/tab_order.h"
#include "host/runtime/error.h"
#include "host/services/screen.h"
#include "host/services/twips_placement.h"

namespace host {

FormControlSite::FormControlSite(Form& form, std::string name, Factory factory)
    : name_(std::move(name)), factory_(std::move(factory)) {
  form.RegisterBinding(name_, *this);
}

FormControlSite::FormControlSite(ArrayElement, std::string name, Integer index, Factory factory)
    : name_(std::move(name)), index_(index), factory_(std::move(factory)) {}

FormControlSite::~FormControlSite() { Release(); }

CreationContext FormControlSite::Create(const ObjectDescription& description, const CreationContext& context) {
  form_ = &context.form;
  containerWindow_ = context.parentWindow;
  RefreshAmbient();
  const PropertyBag placement(description.properties, context.form.Name() + "." + description.name);
  const RECT pixels{
      PixelsFromTwipsX(placement.ReadProperty<Long>("Left", 0)),
      PixelsFromTwipsY(placement.ReadProperty<Long>("Top", 0)),
      PixelsFromTwipsX(placement.ReadProperty<Long>("Left", 0) + placement.ReadProperty<Long>("Width", 1200)),
      PixelsFromTwipsY(placement.ReadProperty<Long>("Top", 0) + placement.ReadProperty<Long>("Height", 1200))};
  visible_ = static_cast<bool>(placement.ReadProperty<Boolean>("Visible", True));
  control_ = factory_();
  control_->Attach(*this, pixels);
  tabIndex_ = placement.ReadProperty<Integer>("TabIndex", 0);
  PlaceByTabIndex(control_->hWnd(), tabIndex_);
  if (!static_cast<bool>(placement.ReadProperty<Boolean>("TabStop", True))) {
    SetWindowLongA(control_->hWnd(), GWL_STYLE, GetWindowLongA(control_->hWnd(), GWL_STYLE) & ~WS_TABSTOP);
  }
  control_->Load(placement);
  return CreationContext{context.form, control_->hWnd(), nullptr};
}

void FormControlSite::Release() {
  if (control_) ForgetTabIndex(control_->hWnd());
  if (control_) control_->Detach();
  if (control_) unloaded_ = std::move(control_);
  form_ = nullptr;
}

void FormControlSite::FormShown() {
  if (control_ && visible_) control_->NotifyShow();
}

void FormControlSite::FormHidden() {
  if (control_ && visible_) control_->NotifyHide();
}

void FormControlSite::FormAmbientChanged(std::string_view propertyName) {
  RefreshAmbient();
  if (control_) control_->NotifyAmbientChanged(propertyName);
}

void FormControlSite::RefreshAmbient() {
  ambient_.Font = form_->Font();
  ambient_.BackColor = form_->BackColor();
  ambient_.UserMode = true;
}

UserControl& FormControlSite::Object() const {
  if (!control_) throw RuntimeError(error_number::ObjectRequired, name_ + " is not loaded");
  return *control_;
}

ContainerObject* FormControlSite::Container() {
  if (auto* frame = dynamic_cast<ContainerObject*>(Control::FromWindow(containerWindow_))) return frame;
  return form_;
}

Long FormControlSite::Left() const { return PlacementInTwips(Object().hWnd()).left; }
Long FormControlSite::Top() const { return PlacementInTwips(Object().hWnd()).top; }
Long FormControlSite::Width() const { return Object().Width(); }
Long FormControlSite::Height() const { return Object().Height(); }

void FormControlSite::Move(Long left, Long top, Long width, Long height) {
  MoveInTwips(Object().hWnd(), left, top, width, height);
}

void FormControlSite::SetTabIndex(Integer tabIndex) {
  tabIndex_ = tabIndex;
  MoveToTabIndex(Object().hWnd(), tabIndex);
}

void FormControlSite::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (form_ != nullptr && !form_->Visible()) return;
  visible ? Object().NotifyShow() : Object().NotifyHide();
}

// Measured as the form measures, for a control in a frame too.
POINTF FormControlSite::TransformCoords(POINTF point, bool position, bool toContainer) {
  return form_ != nullptr ? TransformFormCoords(*form_, point, position, toContainer) : point;
}

}  // namespace host
