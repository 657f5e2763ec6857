#include "host/runtime/iso_date.h"

#include <algorithm>
#include <chrono>

namespace host {
namespace {

// The zero date, 30 December 1899, is 25569 days before the system clock's epoch.
constexpr int kSerialOfClockEpoch = 25569;

// '9' stands for a digit, ' ' for a blank or 'T'; any other character for itself.
bool FitsLayout(std::string_view text, std::string_view layout) {
  return std::equal(text.begin(), text.end(), layout.begin(), layout.end(), [](char c, char wanted) {
    if (wanted == '9') return c >= '0' && c <= '9';
    if (wanted == ' ') return c == ' ' || c == 'T';
    return c == wanted;
  });
}

}  // namespace

std::optional<Date> DateFromIsoText(std::string_view text) {
  constexpr std::string_view kLayout = "9999-99-99 99:99:99";
  if ((text.size() != 10 && text.size() != 16 && text.size() != 19) ||
      !FitsLayout(text, kLayout.substr(0, text.size()))) {
    return std::nullopt;
  }
  const auto number = [text](std::size_t at, std::size_t width) {
    int value = 0;
    for (const char digit : text.substr(at, width)) value = value * 10 + (digit - '0');
    return value;
  };
  using namespace std::chrono;
  const year_month_day date{year(number(0, 4)), month(static_cast<unsigned>(number(5, 2))),
                            day(static_cast<unsigned>(number(8, 2)))};
  const int hour = text.size() > 10 ? number(11, 2) : 0;
  const int minute = text.size() > 10 ? number(14, 2) : 0;
  const int second = text.size() > 16 ? number(17, 2) : 0;
  if (!date.ok() || date.year() < year(100) || hour > 23 || minute > 59 || second > 59) return std::nullopt;

  const double whole = static_cast<double>(sys_days(date).time_since_epoch().count()) + kSerialOfClockEpoch;
  const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
  // Before the zero date the fraction still counts forward from midnight, so it takes the day's sign.
  return Date(whole < 0 ? whole - time : whole + time);
}

}  // namespace host
