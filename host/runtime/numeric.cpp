#include "host/runtime/numeric.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/runtime/error.h"

namespace host {
namespace {

template <typename Target>
Target ConvertChecked(double value, double low, double high) {
  const double rounded = RoundHalfEven(value);
  if (std::isnan(rounded) || rounded < low || rounded > high) throw RuntimeError(error_number::Overflow);
  return static_cast<Target>(rounded);
}

std::string WithoutBlanks(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
  }
  return compact;
}

double RadixValue(std::string_view digits, int radix) {
  std::uint32_t value = 0;
  std::size_t count = 0;
  for (const char c : digits) {
    const int digit = std::isdigit(static_cast<unsigned char>(c))    ? c - '0'
                      : std::isxdigit(static_cast<unsigned char>(c)) ? std::toupper(c) - 'A' + 10
                                                                     : radix;
    if (digit >= radix) break;
    value = value * static_cast<std::uint32_t>(radix) + static_cast<std::uint32_t>(digit);
    ++count;
  }
  const bool sixteenBit = radix == 16 ? count <= 4 : value <= 0xFFFF;
  if (sixteenBit) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  return static_cast<std::int32_t>(value);
}

// Length of the decimal number at the start of text: sign, digits, point,
// digits, exponent (E or D).
std::size_t DecimalLength(std::string_view text) {
  std::size_t at = 0;
  const auto digits = [&] {
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
  };
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  digits();
  if (at < text.size() && text[at] == '.') {
    ++at;
    digits();
  }
  if (at < text.size() && (std::toupper(text[at]) == 'E' || std::toupper(text[at]) == 'D')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && std::isdigit(static_cast<unsigned char>(text[exponent]))) {
      at = exponent;
      digits();
    }
  }
  return at;
}

}  // namespace

double RoundHalfEven(double value) {
  const double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5) return whole + 1;
  if (fraction < 0.5) return whole;
  return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

Integer CInt(double value) { return ConvertChecked<Integer>(value, -32768.0, 32767.0); }

Long CLng(double value) { return ConvertChecked<Long>(value, -2147483648.0, 2147483647.0); }

double Val(std::string_view text) {
  std::string compact = WithoutBlanks(text);
  if (compact.size() > 1 && compact[0] == '&') {
    const char kind = static_cast<char>(std::toupper(compact[1]));
    if (kind == 'H') return RadixValue(std::string_view(compact).substr(2), 16);
    if (kind == 'O') return RadixValue(std::string_view(compact).substr(2), 8);
  }
  compact.resize(DecimalLength(compact));
  for (char& c : compact) {
    if (std::toupper(c) == 'D') c = 'E';
  }
  return std::strtod(compact.c_str(), nullptr);
}

}  // namespace host
