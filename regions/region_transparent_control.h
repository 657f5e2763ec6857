#pragma once

#include <windows.h>

#include "host/description/property_bag.h"
#include "host/usercontrol/user_control.h"
#include "regions/control_server.h"
#include "regions/control_window.h"
#include "regions/transparent_shaping.h"

namespace regions {

// RegionTransparent's user control: shows its own shape, and at run time
// cuts it out of its container (TransparentShaping). It raises Resize to its
// host before it reshapes.
class RegionTransparentControl final : public host::UserControl, public TransparentControl {
 public:
  RegionTransparentControl() = default;
  ~RegionTransparentControl() override = default;

  // Null while nothing serves the control: it then has no container window.
  void Serve(ControlServer* server) { server_ = server; }
  TransparentShaping& Shaping() { return shaping_; }
  const TransparentShaping& Shaping() const { return shaping_; }

  // TransparentControl
  HWND hWnd() const override { return UserControl::hWnd(); }
  host::Long Width() const override { return UserControl::Width(); }
  host::Long Height() const override { return UserControl::Height(); }
  bool UserMode() const override { return Ambient().UserMode; }
  HWND ContainerWindow() const override;

 protected:
  void UserControl_InitProperties() override { shaping_.Restore({}); }
  void UserControl_ReadProperties(const host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Show() override { shaping_.Show(); }
  void UserControl_Terminate() override { shaping_.Terminate(); }

 private:
  ControlServer* server_ = nullptr;
  TransparentShaping shaping_{*this};
};

}  // namespace regions
