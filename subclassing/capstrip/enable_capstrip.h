#pragma once

#include <string_view>

#include "host/forms/form.h"
#include "host/runtime/types.h"

namespace capstrip {

// Enables or grays one item of the form's window menu, found under its
// command identifier or its negation. A grayed item is filed under the
// negated identifier, an enabled one under the standard identifier again.
// A blank NewCaption keeps the item's text. Minimize and Maximize also switch
// the matching box of the title bar.
void EnableCapstrip(host::Form& form, host::Long SysByCommand, host::Boolean EnableMenu, std::string_view NewCaption);

}  // namespace capstrip
