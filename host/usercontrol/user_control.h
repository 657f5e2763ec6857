#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "host/description/property_bag.h"
#include "host/forms/scale_model.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/usercontrol/site.h"
#include "host/win32/unique_handle.h"
#include "host/win32/window_class.h"

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

  // Driven by the site, in this order. A site without a window yet (an
  // ActiveX container loads a control before it activates it in place) gets
  // the surface hidden in a parking window until it places it.
  void Attach(UserControlSite& site, const RECT& pixels);
  void Place(HWND container, const RECT& pixels);
  // Back to the parking window, hidden: the container window may go.
  void Park();
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
  // The surface's coordinate system; see ScaleModel.
  Integer ScaleMode() const { return scale_.Mode(); }
  void SetScaleMode(Integer mode);
  Single ScaleLeft() const { return scale_.Left(); }
  void SetScaleLeft(Single left);
  Single ScaleTop() const { return scale_.Top(); }
  void SetScaleTop(Single top);
  Single ScaleWidth() const;
  void SetScaleWidth(Single width);
  Single ScaleHeight() const;
  void SetScaleHeight(Single height);
  void Scale(Single x1, Single y1, Single x2, Single y2);
  void Cls();
  void Refresh();

  const AmbientProperties& Ambient() const;
  // Raises error 424 when the container offers no extender.
  host::Extender& Extender() const;
  void PropertyChanged(std::string_view propertyName);
  // For design-time-only properties: raises error 383 at run time.
  void RequireDesignTime(std::string_view propertyName) const;

  friend LRESULT CALLBACK ObjectWindowProc<UserControl>(HWND, UINT, WPARAM, LPARAM);

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
  void AdoptConstituent(HWND child);
  void Paint();

  UserControlSite* site_ = nullptr;
  UniqueWindow window_;
  // The surface's own DC (CS_OWNDC), taken once with the window.
  HDC ownDC_ = nullptr;
  bool propertiesRead_ = false;
  SIZE lastSize_{-1, -1};
  OleColor backColor_ = vbButtonFace;
  OleColor foreColor_ = vbButtonText;
  UniqueBrush backBrush_;
  Integer borderStyle_ = 0;
  host::Font font_;
  UniqueFont fontHandle_;
  ScaleModel scale_;
};

// The owner of a user control. Terminate reaches the derived control before
// it goes, which the base class's destructor could not do: sites hold their
// controls through this type.
struct DetachThenDelete {
  void operator()(UserControl* control) const;
};
using UserControlPtr = std::unique_ptr<UserControl, DetachThenDelete>;

template <typename T>
UserControlPtr MakeUserControl() {
  return UserControlPtr(std::make_unique<T>().release());
}

}  // namespace host
