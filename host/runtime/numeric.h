#pragma once

#include <string_view>

#include "host/runtime/types.h"

namespace host {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Conversions to 16- and 32-bit integers with rounding; out of range raises
// run-time error 6 (overflow).
Integer CInt(double value);
Long CLng(double value);

// The leading number of a text (0 when there is none). Blanks, tabs and line
// feeds are ignored anywhere; "&H" and "&O" prefixes read hexadecimal and
// octal, four digits or fewer as a 16-bit value.
double Val(std::string_view text);

}  // namespace host
