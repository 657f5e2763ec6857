#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string>
#include <string_view>

#include "host/runtime/types.h"

namespace host {

// Owns one VARIANT (VariantClear). Values go in as the runtime's types and
// come out converted as the runtime converts them, with a run-time error (13,
// Type mismatch, or 6, Overflow) when they do not convert.
class Variant {
 public:
  Variant() : value_{} { VariantInit(&value_); }
  Variant(Long value);
  Variant(Integer value);
  Variant(double value);
  Variant(Boolean value);
  // A bool would otherwise pass as a Long 1: say Boolean(true).
  Variant(bool) = delete;
  Variant(std::string_view text);
  Variant(const char* text) : Variant(std::string_view(text)) {}
  // Takes a reference of its own.
  Variant(IDispatch* object);
  // The marker of an optional argument left out.
  static Variant Missing();

  Variant(const Variant& other);
  Variant& operator=(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;
  ~Variant() { VariantClear(&value_); }

  VARTYPE Type() const { return value_.vt; }
  bool IsMissing() const { return value_.vt == VT_ERROR && value_.scode == DISP_E_PARAMNOTFOUND; }
  Long ToLong() const;
  double ToDouble() const;
  Boolean ToBoolean() const;
  std::string ToString() const;
  // A new reference, or null when the value holds no object.
  IDispatch* ToObject() const;

  const VARIANT& get() const { return value_; }
  VARIANT* get() { return &value_; }
  // Clears the value; for out-parameters.
  VARIANT* put();

 private:
  VARIANT Converted(VARTYPE type, USHORT flags = 0) const;
  VARIANT value_;
};

}  // namespace host
