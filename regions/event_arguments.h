#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <array>
#include <cstddef>
#include <utility>

#include "host/com/dispatch_call.h"
#include "host/com/variant.h"
#include "host/runtime/types.h"
#include "regions/control_server.h"

namespace regions {

// An event argument as the host receives it, and what the host left in it
// as the control's variable. Objects (the OLE data of a drag) travel as they
// are and do not come back.
host::Variant Passed(host::Integer value);
host::Variant Passed(host::Long value);
host::Variant Passed(host::Single value);
host::Variant Passed(host::Boolean value);
host::Variant Passed(IUnknown* object);
void TakeBack(const host::Variant& left, host::Integer& value);
void TakeBack(const host::Variant& left, host::Long& value);
void TakeBack(const host::Variant& left, host::Single& value);
void TakeBack(const host::Variant& left, host::Boolean& value);
inline void TakeBack(const host::Variant&, IUnknown*&) {}

namespace detail {
template <std::size_t... At, typename... Values>
void RaiseWith(ControlServer& server, DISPID id, std::index_sequence<At...>, Values&... values) {
  // Unused for an event without arguments.
  [[maybe_unused]] std::array<host::Variant, sizeof...(Values)> passed{Passed(values)...};
  server.RaiseEvent(id, {host::Argument::ByRef(passed[At])...});
  (TakeBack(passed[At], values), ...);
}
}  // namespace detail

// Raises event `id` with every argument by reference: a handler's change
// reaches the variable. Nothing happens while no server serves the control.
template <typename... Values>
void RaiseByReference(ControlServer* server, DISPID id, Values&... values) {
  if (server != nullptr) detail::RaiseWith(*server, id, std::index_sequence_for<Values...>{}, values...);
}

}  // namespace regions
