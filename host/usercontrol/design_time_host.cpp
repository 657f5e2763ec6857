#include "host/usercontrol/design_time_host.h"

#include "host/runtime/error.h"
#include "host/services/app.h"

namespace host {

DesignSite::DesignSite(UserControlPtr control, SIZE pixels)
    : container_(CreateWindowExA(0, "STATIC", "designer", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, pixels.cx + 20,
                                 pixels.cy + 20, nullptr, nullptr, App().hInstance(), nullptr)),
      control_(std::move(control)),
      pixels_(pixels) {
  if (!container_) throw RuntimeError(error_number::OutOfMemory, "the designer window could not be created");
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

void DesignSite::AttachAndShow(const std::function<void()>& readProperties) {
  control_->Attach(*this, RECT{10, 10, 10 + pixels_.cx, 10 + pixels_.cy});
  readProperties();
  control_->NotifyShow();
}

}  // namespace host
