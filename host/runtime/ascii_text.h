#pragma once

#include <string>
#include <string_view>

namespace host {

// The text functions that look at ASCII alone and so read the same on every system.

// Leading and/or trailing spaces removed (only spaces, as the runtime's Trim does).
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// ASCII case-insensitive comparison, for names and keys.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace host
