#include "converter/cli/epoch_clock.h"

#include <charconv>
#include <string>

#include "converter/cli/usage_error.h"

namespace converter::cli {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 9999-12-31 23:59:59 UTC: the last instant with a four-digit year.
constexpr std::int64_t kLastFourDigitYearSecond = 253402300799;

struct CivilDate {
  int year;
  int month;
  int day;
};

// Days since 1970-01-01 to a proleptic Gregorian date, counting in 400-year
// eras that start on 1 March so that the leap day ends each era's year.
CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

std::int64_t ParseEpochSeconds(std::string_view text) {
  const auto invalid = [&](std::string_view why) {
    return UsageError("SOURCE_DATE_EPOCH='" + std::string(text) + "' " + std::string(why));
  };
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    throw invalid("is not a whole number of seconds since 1970");
  }
  std::int64_t seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || seconds > kLastFourDigitYearSecond) {
    throw invalid("lies beyond the year 9999");
  }
  return seconds;
}

}  // namespace

LocalDateTime UtcFromEpochSeconds(std::int64_t seconds) {
  const std::int64_t days = (seconds >= 0 ? seconds : seconds - (kSecondsPerDay - 1)) / kSecondsPerDay;
  const std::int64_t secondOfDay = seconds - days * kSecondsPerDay;
  const CivilDate date = CivilFromDays(days);
  return {date.year,
          date.month,
          date.day,
          static_cast<int>(secondOfDay / 3600),
          static_cast<int>(secondOfDay / 60 % 60),
          static_cast<int>(secondOfDay % 60)};
}

Clock ClockFromSourceDateEpoch(std::optional<std::string_view> sourceDateEpoch) {
  if (!sourceDateEpoch) return SystemLocalTime;
  const LocalDateTime fixed = UtcFromEpochSeconds(ParseEpochSeconds(*sourceDateEpoch));
  return [fixed] { return fixed; };
}

}  // namespace converter::cli
