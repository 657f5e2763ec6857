#pragma once

#include <ostream>
#include <string_view>

#include "converter/core/conversion_report.h"

namespace converter::cli {

// What --report shows for one form: a summary line naming the form, whether
// its LF line ends were read as CR LF, one line per kind of converted control
// with its count, and one line per control that produced no statement, with
// its name, class and the reason.
void PrintConversionReport(std::string_view formPath, const ConversionReport& report, std::ostream& err);

}  // namespace converter::cli
