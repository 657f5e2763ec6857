#include "host/usercontrol/design_time_host.h"

#include "host/runtime/error.h"
#include "host/services/app.h"

namespace host {

DesignSite::DesignSite(UserControlPtr control, SIZE pixels) : control_(std::move(control)), pixels_(pixels) {
  ambient_.UserMode = false;
}

void DesignSite::PlaceNew() {
  AttachAndShow([this] { control_->InitNew(); });
}

void DesignSite::Load(const PropertyBag& bag) {
  AttachAndShow([&] { control_->Load(bag); });
}

void DesignSite::SetAmbientFont(const Font& font) {
  ambient_.Font = font;
  if (control_->hWnd() != nullptr) control_->NotifyAmbientChanged("Font");
}

// As an ActiveX container does: the control is loaded before the designer's
// window exists, and placed in it afterwards.
void DesignSite::AttachAndShow(const std::function<void()>& readProperties) {
  const RECT placed{10, 10, 10 + pixels_.cx, 10 + pixels_.cy};
  control_->Attach(*this, placed);
  readProperties();
  container_.reset(CreateWindowExA(0, "STATIC", "designer", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   pixels_.cx + 20, pixels_.cy + 20, nullptr, nullptr, App().hInstance(), nullptr));
  if (!container_) throw RuntimeError(error_number::OutOfMemory, "the designer window could not be created");
  control_->Place(container_.get(), placed);
  control_->NotifyShow();
}

}  // namespace host
