#include "converter/cli/report_printer.h"

#include "converter/core/catalogue.h"

namespace converter::cli {

void PrintConversionReport(std::string_view formPath, const ConversionReport& report, std::ostream& err) {
  err << formPath << ": " << report.converted() << " converted, " << report.leftOut.size() << " left out\n";
  if (report.lfReadAsCrLf) err << "  its LF line ends were read as CR LF\n";
  for (int code = 1; code <= kLastControlKindCode; ++code) {
    const int count = report.convertedByKind[static_cast<std::size_t>(code)];
    if (count == 0) continue;
    err << "  converted " << count << " x " << ControlKindName(static_cast<ControlKind>(code)) << '\n';
  }
  for (const LeftOutControl& control : report.leftOut) {
    err << "  left out  " << control.name << " (" << control.className << "): " << LeftOutReasonText(control.reason)
        << '\n';
  }
}

}  // namespace converter::cli
