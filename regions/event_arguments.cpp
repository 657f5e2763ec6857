#include "regions/event_arguments.h"

#include "host/runtime/numeric.h"
#include "regions/shape_region.h"

namespace regions {

host::Variant Passed(host::Integer value) { return host::Variant(value); }
host::Variant Passed(host::Long value) { return host::Variant(value); }
host::Variant Passed(host::Boolean value) { return host::Variant(value); }

// As the event interface declares it, a 32-bit float.
host::Variant Passed(host::Single value) {
  host::Variant passed;
  passed.put()->vt = VT_R4;
  passed.get()->fltVal = value;
  return passed;
}

host::Variant Passed(IUnknown* object) {
  host::Variant passed;
  passed.put()->vt = VT_UNKNOWN;
  passed.get()->punkVal = object;
  if (object != nullptr) object->AddRef();
  return passed;
}

void TakeBack(const host::Variant& left, host::Integer& value) { value = host::CInt(left.ToDouble()); }
void TakeBack(const host::Variant& left, host::Long& value) { value = left.ToLong(); }
void TakeBack(const host::Variant& left, host::Single& value) { value = ToSingle(left.ToDouble()); }
void TakeBack(const host::Variant& left, host::Boolean& value) { value = left.ToBoolean(); }

}  // namespace regions
