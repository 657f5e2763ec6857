#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/description/property_bag.h"
#include "host/drawing/drawing_surface.h"
#include "host/drawing/surface_mouse.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/com/com_ptr.h"
#include "host/com/data_object.h"
#include "host/com/ole_session.h"
#include "host/usercontrol/ole_drag_drop.h"
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
class UserControl : private OleDragEvents {
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
  // The graphics, pictures, pointer and font members beyond those below.
  DrawingSurface& Surface() { return surface_; }
  const DrawingSurface& Surface() const { return surface_; }
  HDC hDC() const { return surface_.hDC(); }
  OleColor BackColor() const { return surface_.BackColor(); }
  void SetBackColor(OleColor color) { surface_.SetBackColor(color); }
  OleColor ForeColor() const { return surface_.ForeColor(); }
  void SetForeColor(OleColor color) { surface_.SetForeColor(color); }
  Integer BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(Integer style);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  const host::Font& Font() const { return surface_.Font(); }
  void SetFont(const host::Font& font) { surface_.SetFont(font); }
  // Outer size in twips.
  Long Width() const;
  Long Height() const;
  void Size(Long width, Long height);
  // The surface's coordinate system; see ScaleModel.
  Integer ScaleMode() const { return surface_.Scale().Mode(); }
  void SetScaleMode(Integer mode);
  Single ScaleLeft() const { return surface_.Scale().Left(); }
  void SetScaleLeft(Single left);
  Single ScaleTop() const { return surface_.Scale().Top(); }
  void SetScaleTop(Single top);
  Single ScaleWidth() const;
  void SetScaleWidth(Single width);
  Single ScaleHeight() const;
  void SetScaleHeight(Single height);
  void Scale(Single x1, Single y1, Single x2, Single y2);
  // The surface's ScaleX and ScaleY, with the container's units too
  // (vbContainerPosition, vbContainerSize), which the container converts.
  Single ScaleX(Single width, std::optional<Integer> fromScale = {}, std::optional<Integer> toScale = {}) const;
  Single ScaleY(Single height, std::optional<Integer> fromScale = {}, std::optional<Integer> toScale = {}) const;
  void Cls() { surface_.Cls(); }
  // OLE drag and drop; see user_control_ole.cpp. Both need OLE on the
  // thread, which they start themselves.
  Integer OLEDropMode() const { return oleDropMode_; }
  void SetOLEDropMode(Integer mode);
  void OLEDrag();
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
  // Keyboard and mouse, arguments by reference as handlers may change them:
  // a KeyCode or KeyAscii set to 0 swallows the key. X and Y are in scale units.
  virtual void UserControl_Click() {}
  virtual void UserControl_DblClick() {}
  virtual void UserControl_KeyDown(Integer& /*KeyCode*/, Integer& /*Shift*/) {}
  virtual void UserControl_KeyPress(Integer& /*KeyAscii*/) {}
  virtual void UserControl_KeyUp(Integer& /*KeyCode*/, Integer& /*Shift*/) {}
  virtual void UserControl_MouseDown(Integer& /*Button*/, Integer& /*Shift*/, Single& /*X*/, Single& /*Y*/) {}
  virtual void UserControl_MouseMove(Integer& /*Button*/, Integer& /*Shift*/, Single& /*X*/, Single& /*Y*/) {}
  virtual void UserControl_MouseUp(Integer& /*Button*/, Integer& /*Shift*/, Single& /*X*/, Single& /*Y*/) {}
  // Effects are vbDropEffect values (DROPEFFECT_*); State is vbEnter, vbLeave or vbOver.
  virtual void UserControl_OLEStartDrag(DataObject& /*Data*/, Long& /*AllowedEffects*/) {}
  virtual void UserControl_OLEGiveFeedback(Long& /*Effect*/, Boolean& /*DefaultCursors*/) {}
  virtual void UserControl_OLECompleteDrag(Long& /*Effect*/) {}
  virtual void UserControl_OLEDragOver(IDataObject* /*Data*/, Long& /*Effect*/, Integer& /*Button*/, Integer& /*Shift*/,
                                       Single& /*X*/, Single& /*Y*/, Integer& /*State*/) {}
  virtual void UserControl_OLEDragDrop(IDataObject* /*Data*/, Long& /*Effect*/, Integer& /*Button*/, Integer& /*Shift*/,
                                       Single& /*X*/, Single& /*Y*/) {}

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RaiseResize();
  Single ScaleLength(Single length, std::optional<Integer> fromScale, std::optional<Integer> toScale,
                     bool across) const;
  // One length between HIMETRIC and the container's units, through the site.
  double ThroughContainer(double length, bool across, bool position, bool toContainer) const;
  void AdoptConstituent(HWND child);
  void Paint();
  // See user_control_input.cpp.
  LRESULT MouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT KeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void StartOle();
  void StopOle();
  void DragOver(IDataObject* data, DWORD& effect, DWORD keys, POINT screen, Integer state) override;
  void DragDrop(IDataObject* data, DWORD& effect, DWORD keys, POINT screen) override;
  void GiveFeedback(DWORD& effect, bool& defaultCursors) override;

  UserControlSite* site_ = nullptr;
  UniqueWindow window_;
  bool propertiesRead_ = false;
  bool parked_ = false;
  SIZE lastSize_{-1, -1};
  Integer borderStyle_ = 0;
  // Turns mouse messages into the mouse events, in their order.
  SurfaceMouse mouse_;
  DrawingSurface surface_;
  Integer oleDropMode_ = vbOLEDropNone;
  std::optional<OleSession> ole_;
  ComPtr<DropTarget> dropTarget_;
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
