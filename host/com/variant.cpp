#include "host/com/variant.h"

#include "host/com/com_error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// VariantCopy and VariantChangeType only read their source, though declared otherwise.
VARIANT* Source(const VARIANT& value) { return const_cast<VARIANT*>(&value); }

}  // namespace

Variant::Variant(Long value) : Variant() {
  value_.vt = VT_I4;
  value_.lVal = value;
}

Variant::Variant(Integer value) : Variant() {
  value_.vt = VT_I2;
  value_.iVal = value;
}

Variant::Variant(double value) : Variant() {
  value_.vt = VT_R8;
  value_.dblVal = value;
}

Variant::Variant(Boolean value) : Variant() {
  value_.vt = VT_BOOL;
  value_.boolVal = value.Value();
}

Variant::Variant(std::string_view text) : Variant() {
  Bstr owned(text);
  value_.vt = VT_BSTR;
  value_.bstrVal = owned.release();
}

Variant::Variant(IDispatch* object) : Variant() {
  value_.vt = VT_DISPATCH;
  value_.pdispVal = object;
  if (object != nullptr) object->AddRef();
}

Variant Variant::Missing() {
  Variant missing;
  missing.value_.vt = VT_ERROR;
  missing.value_.scode = DISP_E_PARAMNOTFOUND;
  return missing;
}

Variant::Variant(const Variant& other) : Variant() { ThrowIfFailed(VariantCopy(&value_, Source(other.value_))); }

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) ThrowIfFailed(VariantCopy(&value_, Source(other.value_)));
  return *this;
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

VARIANT* Variant::put() {
  VariantClear(&value_);
  value_ = VARIANT{};  // a type set through put() comes with a null value, not the old one's bits
  return &value_;
}

VARIANT Variant::Converted(VARTYPE type, USHORT flags) const {
  VARIANT converted;
  VariantInit(&converted);
  ThrowIfFailed(VariantChangeType(&converted, Source(value_), flags, type));
  return converted;
}

Long Variant::ToLong() const { return Converted(VT_I4).lVal; }
double Variant::ToDouble() const { return Converted(VT_R8).dblVal; }
Boolean Variant::ToBoolean() const { return Boolean(Converted(VT_BOOL).boolVal != VARIANT_FALSE); }

// A Boolean reads "True" or "False", as the language prints it.
std::string Variant::ToString() const {
  VARIANT converted = Converted(VT_BSTR, VARIANT_ALPHABOOL);
  Bstr owned;
  *owned.put() = converted.bstrVal;
  return owned.ToAnsi();
}

IDispatch* Variant::ToObject() const {
  if (value_.vt == VT_EMPTY || value_.vt == VT_NULL) return nullptr;
  return Converted(VT_DISPATCH).pdispVal;
}

}  // namespace host
