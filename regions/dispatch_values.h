#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <optional>
#include <string>

#include "host/com/variant.h"
#include "host/runtime/types.h"

namespace regions {

// Values as the controls' dual interfaces pass them.
inline VARIANT_BOOL VariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
// Window, device-context and region handles travel as 32-bit numbers.
inline LONG HandleNumber(const void* handle) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle)); }
std::string Text(BSTR text);
// A copy of an argument, Missing for an optional one left out.
host::Variant Given(const VARIANT& value);
// An optional argument's value; nothing when it was left out.
std::optional<host::Integer> OptionalInteger(const VARIANT& value);
std::optional<host::Long> OptionalLong(const VARIANT& value);
std::optional<host::Single> OptionalSingle(const VARIANT& value);

}  // namespace regions
