// OLE drag and drop of UserControl.
#include <new>

#include "host/runtime/error.h"
#include "host/runtime/untrapped_error.h"
#include "host/drawing/input_state.h"
#include "host/usercontrol/user_control.h"

namespace host {

void UserControl::SetOLEDropMode(Integer mode) {
  if (mode != vbOLEDropNone && mode != vbOLEDropManual) throw RuntimeError(error_number::InvalidPropertyValue);
  if (mode == vbOLEDropManual && !dropTarget_) {
    StartOle();
    ComPtr<DropTarget> target;
    target.Attach(new DropTarget(*this));
    if (FAILED(RegisterDragDrop(window_.get(), target.Get()))) {
      target->Disconnect();
      throw RuntimeError(error_number::InvalidPropertyValue, "the control cannot take drops");
    }
    dropTarget_ = std::move(target);
  } else if (mode == vbOLEDropNone && dropTarget_) {
    RevokeDragDrop(window_.get());
    dropTarget_->Disconnect();
    dropTarget_.Reset();
  }
  oleDropMode_ = mode;
}

// OLEStartDrag fills the data and may narrow the effects (to none cancels);
// OLECompleteDrag learns what the drop did.
void UserControl::OLEDrag() {
  StartOle();
  ComPtr<DataObject> data;
  data.Attach(new DataObject());
  Long allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  RunEventHandler([&] { UserControl_OLEStartDrag(*data.Get(), allowed); });
  if (allowed == DROPEFFECT_NONE) return;
  ComPtr<DropSource> source;
  source.Attach(new DropSource(*this));
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data.Get(), source.Get(), static_cast<DWORD>(allowed), &effect);
  Long completed = result == DRAGDROP_S_DROP ? static_cast<Long>(effect) : DROPEFFECT_NONE;
  RunEventHandler([&] { UserControl_OLECompleteDrag(completed); });
}

void UserControl::StartOle() {
  if (!ole_) ole_.emplace();
}

void UserControl::StopOle() {
  if (dropTarget_) {
    RevokeDragDrop(window_.get());
    dropTarget_->Disconnect();
    dropTarget_.Reset();
  }
  ole_.reset();
}

void UserControl::DragOver(IDataObject* data, DWORD& effect, DWORD keys, POINT screen, Integer state) {
  ScreenToClient(window_.get(), &screen);
  Long Effect = static_cast<Long>(effect);
  Integer Button = ButtonsHeld(keys);
  Integer Shift = ShiftOf(keys, (keys & MK_ALT) != 0);
  Single X = surface_.XFromPixel(screen.x);
  Single Y = surface_.YFromPixel(screen.y);
  RunEventHandler([&] { UserControl_OLEDragOver(data, Effect, Button, Shift, X, Y, state); });
  effect = static_cast<DWORD>(Effect);
}

void UserControl::DragDrop(IDataObject* data, DWORD& effect, DWORD keys, POINT screen) {
  ScreenToClient(window_.get(), &screen);
  Long Effect = static_cast<Long>(effect);
  Integer Button = ButtonsHeld(keys);
  Integer Shift = ShiftOf(keys, (keys & MK_ALT) != 0);
  Single X = surface_.XFromPixel(screen.x);
  Single Y = surface_.YFromPixel(screen.y);
  RunEventHandler([&] { UserControl_OLEDragDrop(data, Effect, Button, Shift, X, Y); });
  effect = static_cast<DWORD>(Effect);
}

void UserControl::GiveFeedback(DWORD& effect, bool& defaultCursors) {
  Long Effect = static_cast<Long>(effect);
  Boolean DefaultCursors = defaultCursors;
  RunEventHandler([&] { UserControl_OLEGiveFeedback(Effect, DefaultCursors); });
  effect = static_cast<DWORD>(Effect);
  defaultCursors = static_cast<bool>(DefaultCursors);
}

}  // namespace host
