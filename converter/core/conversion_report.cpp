#include "converter/core/conversion_report.h"

#include <numeric>

namespace converter {

int ConversionReport::converted() const { return std::accumulate(convertedByKind.begin(), convertedByKind.end(), 0); }

std::string_view LeftOutReasonText(LeftOutReason reason) {
  switch (reason) {
    case LeftOutReason::ExcludedClass:
      return "excluded class";
    case LeftOutReason::UnknownClass:
      return "class outside the catalogue";
    case LeftOutReason::TabClassWithoutKind:
      return "tab class without a kind";
    case LeftOutReason::Menu:
      return "menu";
    case LeftOutReason::CutAt2048:
      return "block cut at 2048 characters";
    case LeftOutReason::NoClosingLine:
      return "block without a usable closing line";
  }
  return "unknown reason";
}

}  // namespace converter
