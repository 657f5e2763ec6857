#pragma once

#include <string>

#include "host/runtime/types.h"

namespace host {

// A number as the runtime turns it into text: the shortest form that reads
// back as the same Single (at most 7 significant digits), in the user's
// locale ("45296.12", "0.7055475").
std::string CStr(Single value);

}  // namespace host
