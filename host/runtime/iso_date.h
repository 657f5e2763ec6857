#pragma once

#include <optional>
#include <string_view>

#include "host/runtime/types.h"

namespace host {

// Dates written as "yyyy-mm-dd", "yyyy-mm-dd hh:mm" or "yyyy-mm-dd hh:mm:ss"
// ('T' may stand for the blank), years 100 to 9999: a layout that reads the
// same in every locale. nullopt for anything else, or for a day or time that
// does not exist.
std::optional<Date> DateFromIsoText(std::string_view text);

}  // namespace host
