#pragma once

#include <string_view>

#include "converter/core/edition.h"
#include "converter/shell/dialog_template.h"

namespace converter::shell {

// Control ids of the main dialog.
enum MainDialogId : WORD {
  kFormLabel = 101,
  kConversionFrame = 102,
  kConvertButton = 103,
  kExitButton = 104,
  kOutputFrame = 105,
  kDdtOption = 106,
  kApi32Option = 107,
  kApi16Option = 108,
  kSingleFormOption = 109,
  kAllFormsOption = 110,
};

std::string_view MainDialogTitle(Edition edition);

// The main dialog as the template describes it; only the title depends on the edition.
DialogTemplate MainDialogTemplate(Edition edition);

}  // namespace converter::shell
