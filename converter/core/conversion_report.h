#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace converter {

// Why a control block produced no record.
enum class LeftOutReason {
  ExcludedClass,  // the class contains an entry of the exclusion list
  UnknownClass,   // the class is in no row of the catalogue
  TabClassWithoutKind,
  Menu,
  CutAt2048,      // the block lost its closing line at 2048 characters
  NoClosingLine,  // a known class whose block never reached a closing line it could use
};

struct LeftOutControl {
  std::string name;
  std::string className;
  LeftOutReason reason;
};

// What one conversion did with the form's controls, for --report and tests.
struct ConversionReport {
  std::array<int, 25> convertedByKind{};  // index = ControlKind code, 1..24
  std::vector<LeftOutControl> leftOut;    // in file order
  bool lfReadAsCrLf = false;              // the form had LF line ends only
  int converted() const;
};

std::string_view LeftOutReasonText(LeftOutReason reason);

}  // namespace converter
