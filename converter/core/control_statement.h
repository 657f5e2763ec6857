#pragma once

#include <string>

#include "converter/core/control_record.h"

namespace converter {

// `ControlStatement`: the DDT "CONTROL ADD" statement that recreates one
// control, indented; two lines joined by CR LF for the scroll bars. Kinds DDT
// cannot create are written as comments naming the window class to use.
std::string ControlStatement(const ControlRecord& record);

}  // namespace converter
