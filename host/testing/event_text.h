#pragma once

#include <string>
#include <string_view>

#include "host/runtime/types.h"

namespace host::testing {

// A mouse event as tests log it: "MouseDown 1 0 10,20" (button, shift, whole units).
inline std::string MouseEventText(std::string_view event, Integer button, Integer shift, Single x, Single y) {
  return std::string(event) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
         std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
}

}  // namespace host::testing
