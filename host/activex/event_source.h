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

// The outgoing calls of a served object: the connection point of its event
// dispinterface (the class's default source), the one of the property-changed
// report (IPropertyNotifySink), and the class information that tells
// containers which is which. It is part of its owner, whose COM identity it
// shares: AddRef, Release and QueryInterface go there.
class EventSource final : public IConnectionPointContainer, public IProvideClassInfo2 {
 public:
  EventSource(IUnknown& owner, const CLSID& classId, const IID& events);
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;

  // Calls member `id` of every connected sink, first argument first;
  // by-reference arguments come back as the sinks left them. A sink's
  // failure stops neither the others nor the object.
  // While the container keeps events frozen (nested freezes count), they are
  // dropped.
  void Raise(DISPID id, std::initializer_list<Argument> arguments);
  void Freeze(bool frozen) { frozen_ += frozen ? 1 : -1; }
  // Tells the property-changed sinks that property `id` changed.
  void ReportChanged(DISPID id);

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
  // One connection point: the sinks connected to interface `iid`.
  class Point final : public IConnectionPoint {
   public:
    Point(EventSource& source, const IID& iid) : source_(source), iid_(iid) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return source_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return source_.Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) noexcept override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) noexcept override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) noexcept override;

    const IID& Interface() const { return iid_; }
    // Each sink as the point's interface (an event sink at least as IDispatch).
    std::vector<ComPtr<IUnknown>> Sinks() const;

   private:
    EventSource& source_;
    IID iid_;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
    DWORD lastCookie_ = 0;
  };

  IUnknown& owner_;
  CLSID classId_;
  Point events_;
  Point propertyNotify_{*this, IID_IPropertyNotifySink};
  int frozen_ = 0;
};

}  // namespace host
