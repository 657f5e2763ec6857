#pragma once

#include <compare>
#include <cstdint>

namespace host {

using Integer = std::int16_t;
using Long = std::int32_t;
// A Long as wide as a pointer: window handles and message parameters, which
// are never cut to 32 bits (a Long in a 32-bit program).
using LongPtr = std::intptr_t;
using Single = float;
// 0x00BBGGRR, or a system colour index in the low byte when the high bit is set.
using OleColor = std::uint32_t;

// The 16-bit boolean of the runtime: True is -1, False is 0, any non-zero
// value read from outside counts as True.
class Boolean {
 public:
  constexpr Boolean() = default;
  constexpr Boolean(bool value) : value_(value ? -1 : 0) {}
  static constexpr Boolean FromInteger(Integer value) { return Boolean(value != 0); }
  constexpr Integer Value() const { return value_; }
  constexpr explicit operator bool() const { return value_ != 0; }
  constexpr bool operator==(const Boolean&) const = default;

 private:
  Integer value_ = 0;
};

inline constexpr Boolean True{true};
inline constexpr Boolean False{false};

// An OLE Automation date: days since 30 December 1899, time of day as the fraction.
class Date {
 public:
  constexpr Date() = default;
  constexpr explicit Date(double serial) : serial_(serial) {}
  constexpr double Serial() const { return serial_; }
  constexpr auto operator<=>(const Date&) const = default;

 private:
  double serial_ = 0;
};

}  // namespace host
