#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/description/property_bag.h"
#include "host/usercontrol/site.h"
#include "host/usercontrol/user_control.h"
#include "host/win32/unique_handle.h"

namespace host {

// A designer for one user control, for tests: ambient UserMode is False, the
// control is loaded first and then placed in a window of its own, property
// changes are recorded, and saving gives the property bag the control writes.
// It offers no extender.
class DesignSite : public UserControlSite {
 public:
  explicit DesignSite(UserControlPtr control, SIZE pixels = {200, 150});

  // A control newly placed: Initialize, InitProperties, Resize, Show.
  void PlaceNew();
  // A control loaded from stored settings: Initialize, ReadProperties, Resize, Show.
  void Load(const PropertyBag& bag);
  PropertyBag Save() { return control_->Save(); }
  void SetAmbientFont(const Font& font);

  const std::vector<std::string>& ChangedProperties() const { return changed_; }
  HWND ContainerWindow() override { return container_.get(); }
  const AmbientProperties& Ambient() const override { return ambient_; }
  host::Extender* Extender() override { return nullptr; }
  void PropertyChanged(std::string_view propertyName) override { changed_.emplace_back(propertyName); }

 protected:
  UserControl& Object() const { return *control_; }

 private:
  void AttachAndShow(const std::function<void()>& readProperties);

  UniqueWindow container_;
  UserControlPtr control_;
  SIZE pixels_;
  AmbientProperties ambient_;
  std::vector<std::string> changed_;
};

template <typename T>
class DesignTimeHost : public DesignSite {
 public:
  explicit DesignTimeHost(SIZE pixels = {200, 150}) : DesignSite(MakeUserControl<T>(), pixels) {}
  T* operator->() const { return &static_cast<T&>(Object()); }
  T& operator*() const { return static_cast<T&>(Object()); }
};

}  // namespace host
