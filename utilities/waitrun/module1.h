#pragma once

#include <string_view>

#include "host/forms/form.h"
#include "host/runtime/types.h"

namespace waitrun {

// Starts the command line with the window style and returns its process id.
// With `wait`, the form (when given) is disabled until the started program
// ends, keeps processing its messages meanwhile, and is then enabled and
// brought to the top. A launch that fails raises the launcher's error.
host::Long LaunchAndWait(std::string_view commandLine, host::Long windowStyle, host::Form* form, bool wait);

}  // namespace waitrun
