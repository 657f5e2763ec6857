#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>
#include <olectl.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"

namespace host {

// The events of a served object: the connection point of its event
// dispinterface (the class's default source) and the class information
// that tells containers which one that is. It is part of its owner, whose
// COM identity it shares: AddRef, Release and QueryInterface go there.
class EventSource final : public IConnectionPointContainer, public IProvideClassInfo2 {
 public:
  EventSource(IUnknown& owner, const CLSID& classId, const IID& events);
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;

  // Calls member `id` of every connected sink, first argument first;
  // by-reference arguments come back as the sinks left them. A sink's
  // failure stops neither the others nor the object.
  void Raise(DISPID id, std::initializer_list<Argument> arguments);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return owner_.Release(); }

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) noexcept override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept override;
  // IProvideClassInfo2
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) noexcept override;

 private:
  class Point final : public IConnectionPoint {
   public:
    explicit Point(EventSource& source) : source_(source) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return source_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return source_.Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) noexcept override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) noexcept override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) noexcept override;

   private:
    EventSource& source_;
  };

  IUnknown& owner_;
  CLSID classId_;
  IID events_;
  Point point_{*this};
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;
  DWORD lastCookie_ = 0;
};

}  // namespace host
