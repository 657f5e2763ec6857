#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace converter {

// `trimSet`: NUL and space, stripped from both ends of values and fields.
inline constexpr std::string_view trimSet{"\0 ", 2};

// Twips to dialog units, exactly the decimal constants the output is pinned to
// (about 1/22.5 across and 1/24.375 down).
inline constexpr double kHorizontalUnitsPerTwip = 0.04444444444444;
inline constexpr double kVerticalUnitsPerTwip = 0.04102564102564;

// Width of the decimal text fields that carry numbers between phases.
inline constexpr std::size_t kNumberFieldWidth = 7;

std::string_view Trim(std::string_view text, std::string_view set = trimSet);

// A fixed-width field keeps at most `width` characters; the rest is cut.
std::string FitField(std::string_view text, std::size_t width);

// Left-aligned in exactly `width` characters: padded with spaces or cut.
std::string PadField(std::string_view text, std::size_t width);

// Fields of a text split at every separator character, empty fields kept;
// empty when the text has fewer fields.
// The n-th field from the start (1 = first).
std::string_view FieldAt(std::string_view text, std::string_view separators, std::size_t n);
// The n-th field counted from the end (1 = last).
std::string_view FieldFromEnd(std::string_view text, char separator, std::size_t n);

// The text after the leading spaces (tabs are ordinary characters).
std::string_view AfterLeadingBlanks(std::string_view line);

// Reads a number as the forms runtime's Val does: leading blanks, an optional
// sign, digits with an optional fraction; the rest is ignored, no digits is 0.
double Val(std::string_view text);

// Nearest whole number, halves to the even neighbour; saturates instead of
// overflowing, NaN gives 0.
std::int64_t RoundHalfEven(double value);

// The "#####" / "####" masks: right-aligned in `positions` characters; a
// number with more digits is written whole.
std::string FormatMask(std::int64_t value, std::size_t positions);

}  // namespace converter
