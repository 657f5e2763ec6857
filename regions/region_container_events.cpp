// RegionContainer's events: each of its user control's events raised to the
// host under the same name, every argument by reference; Resize reshapes
// after the host has seen it, Terminate frees the regions.
#include "regions/region_container_control.h"

#include "regions/event_arguments.h"

namespace regions {
namespace event {
inline constexpr DISPID kClick = 1;
inline constexpr DISPID kDblClick = 2;
inline constexpr DISPID kKeyDown = 3;
inline constexpr DISPID kKeyPress = 4;
inline constexpr DISPID kKeyUp = 5;
inline constexpr DISPID kMouseDown = 6;
inline constexpr DISPID kMouseMove = 7;
inline constexpr DISPID kMouseUp = 8;
inline constexpr DISPID kShow = 10;
inline constexpr DISPID kResize = 11;
inline constexpr DISPID kPaint = 13;
inline constexpr DISPID kOLEStartDrag = 14;
inline constexpr DISPID kOLEGiveFeedback = 16;
inline constexpr DISPID kOLEDragOver = 17;
inline constexpr DISPID kOLEDragDrop = 18;
inline constexpr DISPID kOLECompleteDrag = 19;
inline constexpr DISPID kHide = 21;
}  // namespace event

using host::Integer;
using host::Long;
using host::Single;

host::ComPtr<IDispatch> RegionContainerControl::ScaleSource() const {
  return server_ != nullptr ? server_->ExtenderObject() : nullptr;
}

void RegionContainerControl::UserControl_Resize() {
  RaiseByReference(server_, event::kResize);
  shaping_.Refresh();
}

void RegionContainerControl::UserControl_Terminate() { shaping_.ReleaseRegions(); }

void RegionContainerControl::UserControl_Show() { RaiseByReference(server_, event::kShow); }
void RegionContainerControl::UserControl_Hide() { RaiseByReference(server_, event::kHide); }
void RegionContainerControl::UserControl_Paint() { RaiseByReference(server_, event::kPaint); }
void RegionContainerControl::UserControl_Click() { RaiseByReference(server_, event::kClick); }
void RegionContainerControl::UserControl_DblClick() { RaiseByReference(server_, event::kDblClick); }

void RegionContainerControl::UserControl_KeyDown(Integer& KeyCode, Integer& Shift) {
  RaiseByReference(server_, event::kKeyDown, KeyCode, Shift);
}
void RegionContainerControl::UserControl_KeyPress(Integer& KeyAscii) {
  RaiseByReference(server_, event::kKeyPress, KeyAscii);
}
void RegionContainerControl::UserControl_KeyUp(Integer& KeyCode, Integer& Shift) {
  RaiseByReference(server_, event::kKeyUp, KeyCode, Shift);
}

void RegionContainerControl::UserControl_MouseDown(Integer& Button, Integer& Shift, Single& X, Single& Y) {
  RaiseByReference(server_, event::kMouseDown, Button, Shift, X, Y);
}
void RegionContainerControl::UserControl_MouseMove(Integer& Button, Integer& Shift, Single& X, Single& Y) {
  RaiseByReference(server_, event::kMouseMove, Button, Shift, X, Y);
}
void RegionContainerControl::UserControl_MouseUp(Integer& Button, Integer& Shift, Single& X, Single& Y) {
  RaiseByReference(server_, event::kMouseUp, Button, Shift, X, Y);
}

void RegionContainerControl::UserControl_OLEStartDrag(host::DataObject& Data, Long& AllowedEffects) {
  IUnknown* data = &Data;
  RaiseByReference(server_, event::kOLEStartDrag, data, AllowedEffects);
}
void RegionContainerControl::UserControl_OLEGiveFeedback(Long& Effect, host::Boolean& DefaultCursors) {
  RaiseByReference(server_, event::kOLEGiveFeedback, Effect, DefaultCursors);
}
void RegionContainerControl::UserControl_OLEDragOver(IDataObject* Data, Long& Effect, Integer& Button, Integer& Shift,
                                                     Single& X, Single& Y, Integer& State) {
  IUnknown* data = Data;
  RaiseByReference(server_, event::kOLEDragOver, data, Effect, Button, Shift, X, Y, State);
}
void RegionContainerControl::UserControl_OLEDragDrop(IDataObject* Data, Long& Effect, Integer& Button, Integer& Shift,
                                                     Single& X, Single& Y) {
  IUnknown* data = Data;
  RaiseByReference(server_, event::kOLEDragDrop, data, Effect, Button, Shift, X, Y);
}
void RegionContainerControl::UserControl_OLECompleteDrag(Long& Effect) {
  RaiseByReference(server_, event::kOLECompleteDrag, Effect);
}

}  // namespace regions
