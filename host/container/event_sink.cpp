#include "host/container/event_sink.h"

#include <utility>

#include "host/runtime/ascii_text.h"
#include "host/runtime/untrapped_error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// Writes a handler's value back into a by-reference argument of the type the
// control passed.
void WriteBack(const VARIANTARG& reference, const Variant& value) {
  const VARTYPE type = reference.vt & ~VT_BYREF;
  if (type == VT_VARIANT) {
    VariantCopy(reference.pvarVal, const_cast<VARIANT*>(&value.get()));
    return;
  }
  Variant converted;
  if (FAILED(VariantChangeType(converted.put(), const_cast<VARIANT*>(&value.get()), 0, type))) return;
  const VARIANT& as = *converted.get();
  switch (type) {
    case VT_I2:
      *reference.piVal = as.iVal;
      break;
    case VT_I4:
      *reference.plVal = as.lVal;
      break;
    case VT_UI4:
      *reference.pulVal = as.ulVal;
      break;
    case VT_R4:
      *reference.pfltVal = as.fltVal;
      break;
    case VT_R8:
      *reference.pdblVal = as.dblVal;
      break;
    case VT_BOOL:
      *reference.pboolVal = as.boolVal;
      break;
    case VT_DATE:
      *reference.pdate = as.date;
      break;
    case VT_BSTR:
      SysFreeString(*reference.pbstrVal);
      *reference.pbstrVal = SysAllocStringLen(as.bstrVal, SysStringLen(as.bstrVal));
      break;
    default:
      break;  // objects are not given back
  }
}

}  // namespace

EventSink::EventSink(ComPtr<ITypeInfo> events, Handlers handlers, Integer index)
    : events_(std::move(events)), handlers_(std::move(handlers)), index_(index) {
  TYPEATTR* attributes = nullptr;
  if (events_ && SUCCEEDED(events_->GetTypeAttr(&attributes))) {
    eventsId_ = attributes->guid;
    events_->ReleaseTypeAttr(attributes);
  }
}

HRESULT EventSink::QueryInterface(REFIID iid, void** object) noexcept {
  return Offer(iid, object, {IID_IDispatch, eventsId_});
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) noexcept {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  return index == 0 ? events_.CopyTo(info) : DISP_E_BADINDEX;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  return DispGetIDsOfNames(events_.Get(), names, count, ids);
}

// Finds the handler by the event's name, hands it the arguments (last comes
// first in DISPPARAMS) and writes the by-reference ones back.
HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) noexcept {
  if (parameters == nullptr) return E_POINTER;
  Bstr name;
  UINT found = 0;
  if (FAILED(events_->GetNames(id, name.put(), 1, &found)) || found == 0) return DISP_E_MEMBERNOTFOUND;
  const std::string event = name.ToAnsi();
  for (const auto& connection : handlers_) {
    if (!EqualsIgnoreCase(connection.first, event)) continue;
    const ActiveXEventHandler& handler = connection.second;
    RunEventHandler([&] {
      std::vector<Variant> arguments;
      if (index_ >= 0) arguments.emplace_back(index_);
      const std::size_t first = arguments.size();
      for (UINT at = parameters->cArgs; at-- > 0;) {
        Variant argument;
        VariantCopyInd(argument.put(), &parameters->rgvarg[at]);
        arguments.push_back(std::move(argument));
      }
      handler(arguments);
      for (UINT at = 0; at < parameters->cArgs; ++at) {
        const VARIANTARG& passed = parameters->rgvarg[parameters->cArgs - 1 - at];
        if ((passed.vt & VT_BYREF) != 0) WriteBack(passed, arguments[first + at]);
      }
    });
  }
  return S_OK;
}

}  // namespace host
