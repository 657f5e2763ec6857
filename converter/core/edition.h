#pragma once

#include <string_view>

namespace converter {

// The two builds of the converter differ only in this value: the title, the
// form-size keys of the header and one line of the generated header comment.
enum class Edition { Formwright, Tinwright };

std::string_view EditionName(Edition edition);  // "formwright" / "tinwright"

}  // namespace converter
