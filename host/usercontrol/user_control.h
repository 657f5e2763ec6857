#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/description/property_bag.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/usercontrol/site.h"
#include "host/win32/unique_handle.h"

namespace host {

// The base of every user control: a surface window inside its container,
// the appearance members, and the events in their order: Initialize, then
// InitProperties (new) or ReadProperties (loaded), Resize, Show; Hide, Paint,
// GotFocus and AmbientChanged as they happen; WriteProperties when the
// container saves; Terminate last. The control knows its container only
// through UserControlSite, so the same class serves any host.
class UserControl {
 public:
  UserControl() = default;
  virtual ~UserControl();
  UserControl(const UserControl&) = delete;
  UserControl& operator=(const UserControl&) = delete;

  // Driven by the site, in this order.
  void Attach(UserControlSite& site, const RECT& pixels);
  void InitNew();
  void Load(const PropertyBag& bag);
  PropertyBag Save();
  void NotifyShow();
  void NotifyHide();
  void NotifyAmbientChanged(std::string_view propertyName);
  void Detach();

  HWND hWnd() const { return window_.get(); }
  HDC hDC() const;
  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor color);
  OleColor ForeColor() const { return foreColor_; }
  void SetForeColor(OleColor color) { foreColor_ = color; }
  Integer BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(Integer style);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  const host::Font& Font() const { return font_; }
  void SetFont(const host::Font& font);
  // Outer size in twips.
  Long Width() const;
  Long Height() const;
  void Size(Long width, Long height);
  Integer ScaleMode() const { return scaleMode_; }
  void SetScaleMode(Integer mode) { scaleMode_ = mode; }
  Single ScaleLeft() const { return 0; }
  Single ScaleTop() const { return 0; }
  Single ScaleWidth() const;
  Single ScaleHeight() const;
  void Cls();
  void Refresh();

  const AmbientProperties& Ambient() const;
  // Raises error 424 when the container offers no extender.
  host::Extender& Extender() const;
  void PropertyChanged(std::string_view propertyName);
  // For design-time-only properties: raises error 383 at run time.
  void RequireDesignTime(std::string_view propertyName) const;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  virtual void UserControl_Initialize() {}
  virtual void UserControl_InitProperties() {}
  virtual void UserControl_ReadProperties(const PropertyBag& /*PropBag*/) {}
  virtual void UserControl_WriteProperties(PropertyBag& /*PropBag*/) {}
  virtual void UserControl_Resize() {}
  virtual void UserControl_Show() {}
  virtual void UserControl_Hide() {}
  virtual void UserControl_Paint() {}
  virtual void UserControl_GotFocus() {}
  virtual void UserControl_Terminate() {}
  virtual void UserControl_AmbientChanged(const std::string& /*PropertyName*/) {}

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RaiseResize();
  void Paint();

  UserControlSite* site_ = nullptr;
  UniqueWindow window_;
  bool propertiesRead_ = false;
  SIZE lastSize_{-1, -1};
  OleColor backColor_ = vbButtonFace;
  OleColor foreColor_ = vbButtonText;
  UniqueBrush backBrush_;
  Integer borderStyle_ = 0;
  host::Font font_;
  UniqueFont fontHandle_;
  Integer scaleMode_ = 1;
};

}  // namespace host
