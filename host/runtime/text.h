#pragma once

#include <string>
#include <string_view>

#include "host/runtime/ascii_text.h"

namespace host {

// Upper case in the user's ANSI code page.
std::string UCase(std::string_view text);

}  // namespace host
