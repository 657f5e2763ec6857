#include "host/activex/event_source.h"

#include <algorithm>
#include <new>

#include "host/activex/type_library_dispatch.h"
#include "host/runtime/error.h"

namespace host {

EventSource::EventSource(IUnknown& owner, const CLSID& classId, const IID& events)
    : owner_(owner), classId_(classId), events_(events) {}

void EventSource::Raise(DISPID id, std::initializer_list<Argument> arguments) {
  // A sink may disconnect while it handles the event.
  const auto sinks = sinks_;
  for (const auto& [cookie, sink] : sinks) {
    try {
      CallMember(*sink.Get(), id, arguments);
    } catch (const RuntimeError&) {
      // The handler's failure is the container's business, not the control's.
    }
  }
}

HRESULT EventSource::QueryInterface(REFIID iid, void** object) noexcept { return owner_.QueryInterface(iid, object); }

HRESULT EventSource::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  if (points != nullptr) *points = nullptr;
  return E_NOTIMPL;
}

HRESULT EventSource::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  if (point == nullptr) return E_POINTER;
  *point = nullptr;
  if (iid != events_) return CONNECT_E_NOCONNECTION;
  *point = &point_;
  point_.AddRef();
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
  *guid = events_;
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
  *iid = source_.events_;
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
  // A sink answers to the event interface itself, or at least as IDispatch.
  ComPtr<IDispatch> events;
  if (FAILED(sink->QueryInterface(source_.events_, reinterpret_cast<void**>(events.GetAddressOf()))) &&
      FAILED(sink->QueryInterface(IID_PPV_ARGS(&events)))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  try {
    source_.sinks_.emplace_back(++source_.lastCookie_, std::move(events));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  *cookie = source_.lastCookie_;
  return S_OK;
}

HRESULT EventSource::Point::Unadvise(DWORD cookie) noexcept {
  auto& sinks = source_.sinks_;
  const auto found = std::find_if(sinks.begin(), sinks.end(), [&](const auto& sink) { return sink.first == cookie; });
  if (found == sinks.end()) return CONNECT_E_NOCONNECTION;
  sinks.erase(found);
  return S_OK;
}

HRESULT EventSource::Point::EnumConnections(IEnumConnections** connections) noexcept {
  if (connections != nullptr) *connections = nullptr;
  return E_NOTIMPL;
}

}  // namespace host
