#pragma once

#include <functional>

namespace converter {

// Local date and time as the generated header shows them.
struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Injected so that tests and reproducible builds control the header's stamp.
using Clock = std::function<LocalDateTime()>;

LocalDateTime SystemLocalTime();

}  // namespace converter
