#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "converter/core/clock.h"

namespace converter::cli {

// The UTC calendar date and time of a count of seconds since 1970-01-01,
// computed arithmetically so that neither the locale nor the time zone of the
// machine can change it.
LocalDateTime UtcFromEpochSeconds(std::int64_t seconds);

// The header's clock: the instant SOURCE_DATE_EPOCH names when it is set (so
// that output can be reproduced byte for byte), else the local time.
// Throws UsageError when the value is not a count of seconds the header's
// four-digit year can show.
Clock ClockFromSourceDateEpoch(std::optional<std::string_view> sourceDateEpoch);

}  // namespace converter::cli
