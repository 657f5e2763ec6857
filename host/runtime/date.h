#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/runtime/types.h"

namespace host {

// Milliseconds are dropped: OLE dates hold whole seconds.
Date DateFromSystemTime(const SYSTEMTIME& time);
// Raises error 5 for a date outside the range the system can express.
SYSTEMTIME SystemTimeFromDate(Date date);

Date Now();
Date Today();
Date TimeOfDay();

// The default date text: short date, plus the time when there is a time part.
std::string DateText(Date date);
// Text to date in the user's locale; raises error 13 (type mismatch) when the
// text is no date.
Date DateFromText(std::string_view text);

}  // namespace host
