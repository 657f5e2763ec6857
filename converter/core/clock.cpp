#include "converter/core/clock.h"

#include <ctime>

namespace converter {

LocalDateTime SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  // localtime's buffer is shared; copy it out at once.
  const std::tm* shared = std::localtime(&now);
  if (shared == nullptr) return {};
  const std::tm local = *shared;
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace converter
