#include "converter/core/text_fields.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace converter {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A loop over the few characters of a set: the library's set searches call
// memchr on the set once per character of the text.
bool IsOneOf(char c, std::string_view set) {
  for (const char member : set) {
    if (member == c) return true;
  }
  return false;
}

std::size_t FindOneOf(std::string_view text, std::string_view set, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (IsOneOf(text[i], set)) return i;
  }
  return std::string_view::npos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

}  // namespace

std::string_view Trim(std::string_view text, std::string_view set) {
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && IsOneOf(text[first], set)) ++first;
  while (end > first && IsOneOf(text[end - 1], set)) --end;
  return text.substr(first, end - first);
}

std::string FitField(std::string_view text, std::size_t width) { return std::string(text.substr(0, width)); }

std::string PadField(std::string_view text, std::size_t width) {
  std::string field = FitField(text, width);
  field.resize(width, ' ');
  return field;
}

std::string_view FieldAt(std::string_view text, std::string_view separators, std::size_t n) {
  if (n == 0) return {};
  std::size_t start = 0;
  for (; n > 1; --n) {
    const std::size_t separator = FindOneOf(text, separators, start);
    if (separator == std::string_view::npos) return {};
    start = separator + 1;
  }
  return text.substr(start, FindOneOf(text, separators, start) - start);
}

std::string_view FieldFromEnd(std::string_view text, char separator, std::size_t n) {
  const auto separatorBefore = [&](std::size_t end) {
    return end == 0 ? std::string_view::npos : text.rfind(separator, end - 1);
  };
  if (n == 0) return {};
  std::size_t end = text.size();
  for (; n > 1; --n) {
    end = separatorBefore(end);
    if (end == std::string_view::npos) return {};
  }
  const std::size_t before = separatorBefore(end);
  const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
  return text.substr(start, end - start);
}

std::string_view AfterLeadingBlanks(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

double Val(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t wholeStart = pos;
  pos = SkipDigits(text, pos);
  std::string digits(text.substr(wholeStart, pos - wholeStart));
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, pos + 1);
    if (fractionEnd > pos + 1) digits.append(text.substr(pos, fractionEnd - pos));
  }
  if (digits.empty()) return 0.0;
  if (digits.front() == '.') digits.insert(digits.begin(), '0');

  double value = 0.0;
  const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (parsed.ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::infinity();
  return negative ? -value : value;
}

std::int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // nearbyint rounds halves to even under the default rounding mode.
  const double rounded = std::nearbyint(value);
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (rounded >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (rounded < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(rounded);
}

std::string FormatMask(std::int64_t value, std::size_t positions) {
  std::string digits = std::to_string(value);
  if (digits.size() < positions) digits.insert(0, positions - digits.size(), ' ');
  return digits;
}

}  // namespace converter
