#include "host/usercontrol/ole_drag_drop.h"

namespace host {

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) noexcept {
  entered_ = data;
  return Raise(keys, at, effect, vbEnter);
}

HRESULT DropTarget::DragOver(DWORD keys, POINTL at, DWORD* effect) noexcept { return Raise(keys, at, effect, vbOver); }

// OLE tells no position on leaving: the cursor's is the one.
HRESULT DropTarget::DragLeave() noexcept {
  POINT cursor{};
  GetCursorPos(&cursor);
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = Raise(lastKeys_, POINTL{cursor.x, cursor.y}, &effect, vbLeave);
  entered_ = nullptr;
  return result;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) noexcept {
  entered_ = nullptr;
  if (effect == nullptr) return E_INVALIDARG;
  if (events_ != nullptr) events_->DragDrop(data, *effect, keys, POINT{at.x, at.y});
  return S_OK;
}

HRESULT DropTarget::Raise(DWORD keys, POINTL at, DWORD* effect, Integer state) {
  if (effect == nullptr) return E_INVALIDARG;
  lastKeys_ = keys;
  if (events_ != nullptr) events_->DragOver(entered_, *effect, keys, POINT{at.x, at.y}, state);
  return S_OK;
}

HRESULT DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys) noexcept {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  if ((keys & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
  return S_OK;
}

HRESULT DropSource::GiveFeedback(DWORD effect) noexcept {
  bool defaultCursors = true;
  events_.GiveFeedback(effect, defaultCursors);
  return defaultCursors ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
}

}  // namespace host
