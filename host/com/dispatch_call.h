#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <initializer_list>
#include <string_view>

#include "host/com/variant.h"

namespace host {

// One argument of a late-bound call: a value, Variant::Missing() for an
// optional argument left out, or ByRef(variable) for one the member may
// change (the variable then holds what the member left in it).
class Argument {
 public:
  Argument(const Variant& value) : value_(&value) {}
  static Argument ByRef(Variant& variable) { return Argument(variable); }

  // The argument as DISPPARAMS carries it.
  VARIANTARG AsPassed() const;

 private:
  explicit Argument(Variant& variable) : value_(&variable), byRef_(&variable) {}
  const Variant* value_;
  Variant* byRef_ = nullptr;
};

// Calls by member name through IDispatch, as code calls an object it knows
// only at run time. A name the object does not know raises error 438; a
// failure of the member raises its own error (see ThrowComError).
Variant GetProperty(IDispatch& object, std::string_view name, std::initializer_list<Argument> arguments = {});
void PutProperty(IDispatch& object, std::string_view name, const Variant& value);
Variant CallMethod(IDispatch& object, std::string_view name, std::initializer_list<Argument> arguments = {});
// The same by the member's DISPID, as events reach their sinks.
Variant CallMember(IDispatch& object, DISPID id, std::initializer_list<Argument> arguments = {});

}  // namespace host
