#include "host/activex/event_source.h"

#include <algorithm>
#include <new>

#include "host/activex/item_enumerator.h"
#include "host/activex/type_library_dispatch.h"
#include "host/runtime/error.h"

namespace host {

EventSource::EventSource(IUnknown& owner, const CLSID& classId, const IID& events)
    : owner_(owner), classId_(classId), events_(*this, events) {}

void EventSource::Raise(DISPID id, std::initializer_list<Argument> arguments) {
  if (frozen_ > 0) return;
  // A handler may release the container's last reference (unloading its form).
  const ComPtr<IUnknown> alive(&owner_);
  // A sink may disconnect while it handles the event: the list is a copy.
  for (const ComPtr<IUnknown>& sink : events_.Sinks()) {
    try {
      CallMember(*static_cast<IDispatch*>(sink.Get()), id, arguments);
    } catch (const RuntimeError&) {
      // The handler's failure is the container's business, not the control's.
    }
  }
}

void EventSource::ReportChanged(DISPID id) {
  for (const ComPtr<IUnknown>& sink : propertyNotify_.Sinks())
    static_cast<IPropertyNotifySink*>(sink.Get())->OnChanged(id);
}

HRESULT EventSource::QueryInterface(REFIID iid, void** object) noexcept { return owner_.QueryInterface(iid, object); }

HRESULT EventSource::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  using Enumerator = ItemEnumerator<IEnumConnectionPoints, InterfaceItems<IConnectionPoint>>;
  try {
    return Enumerator::MakeInto({&events_, &propertyNotify_}, points);
  } catch (const std::bad_alloc&) {  // the list of points
    if (points != nullptr) *points = nullptr;
    return E_OUTOFMEMORY;
  }
}

HRESULT EventSource::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  if (point == nullptr) return E_POINTER;
  *point = nullptr;
  Point* found = iid == events_.Interface()           ? &events_
                 : iid == propertyNotify_.Interface() ? &propertyNotify_
                                                      : nullptr;
  if (found == nullptr) return CONNECT_E_NOCONNECTION;
  *point = found;
  found->AddRef();
  return S_OK;
}

HRESULT EventSource::GetClassInfo(ITypeInfo** info) noexcept {
  if (info == nullptr) return E_POINTER;
  *info = ModuleTypeInfo(classId_).Detach();
  return *info != nullptr ? S_OK : E_UNEXPECTED;
}

HRESULT EventSource::GetGUID(DWORD kind, GUID* guid) noexcept {
  if (guid == nullptr) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *guid = events_.Interface();
  return S_OK;
}

HRESULT EventSource::Point::QueryInterface(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
  *object = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

HRESULT EventSource::Point::GetConnectionInterface(IID* iid) noexcept {
  if (iid == nullptr) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT EventSource::Point::GetConnectionPointContainer(IConnectionPointContainer** container) noexcept {
  if (container == nullptr) return E_POINTER;
  *container = &source_;
  source_.AddRef();
  return S_OK;
}

HRESULT EventSource::Point::Advise(IUnknown* sink, DWORD* cookie) noexcept {
  if (cookie == nullptr) return E_POINTER;
  *cookie = 0;
  if (sink == nullptr) return E_POINTER;
  // A sink answers to the point's interface; an event sink at least as IDispatch.
  ComPtr<IUnknown> answered;
  if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(answered.GetAddressOf()))) &&
      (iid_ == IID_IPropertyNotifySink ||
       FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(answered.GetAddressOf()))))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  try {
    sinks_.emplace_back(++lastCookie_, std::move(answered));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  *cookie = lastCookie_;
  return S_OK;
}

HRESULT EventSource::Point::Unadvise(DWORD cookie) noexcept {
  const auto found = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& sink) { return sink.first == cookie; });
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  sinks_.erase(found);
  return S_OK;
}

std::vector<ComPtr<IUnknown>> EventSource::Point::Sinks() const {
  std::vector<ComPtr<IUnknown>> sinks;
  for (const auto& [cookie, sink] : sinks_) sinks.push_back(sink);
  return sinks;
}

// The sinks connected now; later changes do not reach an enumerator made before.
HRESULT EventSource::Point::EnumConnections(IEnumConnections** connections) noexcept {
  try {
    return ItemEnumerator<IEnumConnections, ConnectionItems>::MakeInto(sinks_, connections);
  } catch (const std::bad_alloc&) {  // the copy of the sinks
    if (connections != nullptr) *connections = nullptr;
    return E_OUTOFMEMORY;
  }
}

}  // namespace host
