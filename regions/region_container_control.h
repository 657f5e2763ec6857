#pragma once

#include <windows.h>

#include "host/description/property_bag.h"
#include "host/usercontrol/user_control.h"
#include "regions/container_shaping.h"
#include "regions/control_server.h"
#include "regions/control_window.h"

namespace regions {

// RegionContainer's user control: a container whose window takes the shape
// of its ContainerShaping, rebuilt after every resize. It raises its user
// control's events to its host with every argument by reference, and stores
// its appearance and shape in property bags (region_container_properties.cpp).
class RegionContainerControl final : public host::UserControl, public ShapedControl {
 public:
  RegionContainerControl() = default;
  ~RegionContainerControl() override = default;

  // Null while nothing serves the control: its events then reach no one.
  void Serve(ControlServer* server) { server_ = server; }
  ContainerShaping& Shaping() { return shaping_; }
  const ContainerShaping& Shaping() const { return shaping_; }

  // ShapedControl
  HWND hWnd() const override { return UserControl::hWnd(); }
  host::Long Width() const override { return UserControl::Width(); }
  host::Long Height() const override { return UserControl::Height(); }
  host::Single ScaleWidth() const override { return UserControl::ScaleWidth(); }
  host::Single ScaleHeight() const override { return UserControl::ScaleHeight(); }
  host::ComPtr<IDispatch> ScaleSource() const override;

 protected:
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(const host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void UserControl_Hide() override;
  void UserControl_Paint() override;
  void UserControl_Terminate() override;
  void UserControl_Click() override;
  void UserControl_DblClick() override;
  void UserControl_KeyDown(host::Integer& KeyCode, host::Integer& Shift) override;
  void UserControl_KeyPress(host::Integer& KeyAscii) override;
  void UserControl_KeyUp(host::Integer& KeyCode, host::Integer& Shift) override;
  void UserControl_MouseDown(host::Integer& Button, host::Integer& Shift, host::Single& X, host::Single& Y) override;
  void UserControl_MouseMove(host::Integer& Button, host::Integer& Shift, host::Single& X, host::Single& Y) override;
  void UserControl_MouseUp(host::Integer& Button, host::Integer& Shift, host::Single& X, host::Single& Y) override;
  void UserControl_OLEStartDrag(host::DataObject& Data, host::Long& AllowedEffects) override;
  void UserControl_OLEGiveFeedback(host::Long& Effect, host::Boolean& DefaultCursors) override;
  void UserControl_OLEDragOver(IDataObject* Data, host::Long& Effect, host::Integer& Button, host::Integer& Shift,
                               host::Single& X, host::Single& Y, host::Integer& State) override;
  void UserControl_OLEDragDrop(IDataObject* Data, host::Long& Effect, host::Integer& Button, host::Integer& Shift,
                               host::Single& X, host::Single& Y) override;
  void UserControl_OLECompleteDrag(host::Long& Effect) override;

 private:
  ControlServer* server_ = nullptr;
  ContainerShaping shaping_{*this};
};

}  // namespace regions
