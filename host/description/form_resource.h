#pragma once

#include <string_view>

#include "host/description/form_text.h"

namespace host {

// The description of form `formName`, embedded in the program as an RCDATA
// resource of that name. A missing resource raises error 53 naming the form.
ObjectDescription LoadFormDescription(std::string_view formName);

}  // namespace host
