#pragma once

#include <string>
#include <string_view>

namespace host {

// The name (without its folder) of the first normal file matching `pattern`
// (wildcards allowed, relative to the current directory), or "" when none
// does. Folders, hidden and system files do not count.
std::string Dir(std::string_view pattern);

}  // namespace host
