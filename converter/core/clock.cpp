#include "converter/core/clock.h"

#include <ctime>

namespace converter {

LocalDateTime SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  // localtime's buffer is shared; copy it out at once.
  const std::tm* shared = std::localtime(&now);
  if (shared == nullptr) return {};
  local = *shared;
#else
  // Unlike localtime, localtime_r reads the time zone once per process, not
  // once per call: a batch of forms looks it up once.
  if (localtime_r(&now, &local) == nullptr) return {};
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace converter
