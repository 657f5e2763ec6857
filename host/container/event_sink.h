#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "host/activex/served_object.h"
#include "host/com/com_ptr.h"
#include "host/com/variant.h"

namespace host {

// A handler of a hosted control's event: the event's arguments, first
// first (a control array's Index before them); what the handler leaves in
// a by-reference argument goes back to the control.
using ActiveXEventHandler = std::function<void(std::vector<Variant>& arguments)>;

// The form's sink for one hosted control's events: the control's event
// dispinterface, answered from its description in the control's type
// library, so that handlers are connected by event name. Each handler runs
// under the untrapped-error policy.
class EventSink final : public ServedObject<IDispatch> {
 public:
  // `events` describes the event dispinterface; `index` is the control's
  // Index in its array, or -1.
  using Handlers = std::vector<std::pair<std::string, ActiveXEventHandler>>;
  EventSink(ComPtr<ITypeInfo> events, Handlers handlers, Integer index);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override;

 private:
  ComPtr<ITypeInfo> events_;
  IID eventsId_{};
  // Event names compare without regard to case.
  Handlers handlers_;
  Integer index_;
};

}  // namespace host
