#include "host/services/timer.h"

#include <windows.h>

#include <cstdint>

namespace host {

Single Timer() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const long hundredths = ((now.wHour * 60L + now.wMinute) * 60L + now.wSecond) * 100L + now.wMilliseconds / 10;
  return static_cast<Single>(hundredths) / 100.0f;
}

Single Rnd() {
  // The classic 24-bit linear congruential generator.
  static std::uint32_t seed = 0x50000;
  seed = (seed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<Single>(seed) / 16777216.0f;
}

}  // namespace host
