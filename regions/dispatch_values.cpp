#include "regions/dispatch_values.h"

#include "host/com/com_error.h"
#include "host/runtime/numeric.h"
#include "host/win32/bstr.h"
#include "regions/shape_region.h"

namespace regions {

std::string Text(BSTR text) { return host::AnsiFromWide(text != nullptr ? text : L""); }

host::Variant Given(const VARIANT& value) {
  host::Variant copy;
  host::ThrowIfFailed(VariantCopyInd(copy.put(), const_cast<VARIANT*>(&value)));
  return copy;
}

std::optional<host::Integer> OptionalInteger(const VARIANT& value) {
  const host::Variant given = Given(value);
  if (given.IsMissing()) return std::nullopt;
  return host::CInt(given.ToDouble());
}

std::optional<host::Long> OptionalLong(const VARIANT& value) {
  const host::Variant given = Given(value);
  if (given.IsMissing()) return std::nullopt;
  return given.ToLong();
}

std::optional<host::Single> OptionalSingle(const VARIANT& value) {
  const host::Variant given = Given(value);
  if (given.IsMissing()) return std::nullopt;
  return ToSingle(given.ToDouble());
}

}  // namespace regions
