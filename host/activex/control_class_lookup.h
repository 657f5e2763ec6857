#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "host/description/form_text.h"

namespace host {

// The class of a control block named `Library.Class`, as form files name
// ActiveX controls: among the type libraries the form references, the
// registered one named Library, and its creatable class named Class. Raises
// error 429 naming the control, its class and the library's file, and how to
// register it, when no such class is registered.
CLSID FindControlClass(const std::vector<ControlLibraryReference>& libraries, std::string_view className,
                       std::string_view controlName);

}  // namespace host
