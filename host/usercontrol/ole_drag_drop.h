#pragma once

#include <windows.h>
// windows.h first: oleidl.h relies on its types.
#include <oleidl.h>

#include "host/activex/served_object.h"
#include "host/runtime/types.h"

namespace host {

inline constexpr Integer vbOLEDropNone = 0;
inline constexpr Integer vbOLEDropManual = 1;
// The State of OLEDragOver.
inline constexpr Integer vbEnter = 0;
inline constexpr Integer vbLeave = 1;
inline constexpr Integer vbOver = 2;

// What a window that takes part in OLE drag and drop is told. Effects are
// DROPEFFECT values; X and Y are screen pixels, for the window to scale.
class OleDragEvents {
 public:
  virtual void DragOver(IDataObject* data, DWORD& effect, DWORD keys, POINT screen, Integer state) = 0;
  virtual void DragDrop(IDataObject* data, DWORD& effect, DWORD keys, POINT screen) = 0;
  virtual void GiveFeedback(DWORD& effect, bool& defaultCursors) = 0;

 protected:
  ~OleDragEvents() = default;
};

// Registered for a window with OLEDropMode manual: each call becomes an event.
class DropTarget final : public ServedObject<IDropTarget> {
 public:
  explicit DropTarget(OleDragEvents& events) : events_(&events) {}
  // The window is going; calls still on their way do nothing.
  void Disconnect() { events_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IDropTarget});
  }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) noexcept override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) noexcept override;
  HRESULT STDMETHODCALLTYPE DragLeave() noexcept override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) noexcept override;

 private:
  HRESULT Raise(DWORD keys, POINTL at, DWORD* effect, Integer state);

  OleDragEvents* events_;
  IDataObject* entered_ = nullptr;  // held by OLE between DragEnter and DragLeave or Drop
  DWORD lastKeys_ = 0;
};

// The source side of OLEDrag: the left button's release drops, Esc cancels.
class DropSource final : public ServedObject<IDropSource> {
 public:
  explicit DropSource(OleDragEvents& events) : events_(events) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IDropSource});
  }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) noexcept override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) noexcept override;

 private:
  OleDragEvents& events_;
};

}  // namespace host
