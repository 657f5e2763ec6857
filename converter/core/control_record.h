#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "converter/core/catalogue.h"

namespace converter {

inline constexpr std::size_t kClassNameWidth = 25;
inline constexpr std::size_t kNameWidth = 25;
inline constexpr std::size_t kCaptionWidth = 50;

// `ControlRecord`: one stored control. Text fields hold at most their width;
// readers use them trimmed, so padding is never stored.
struct ControlRecord {
  std::int32_t recognised = 0;  // -1 when the class matched a catalogue row
  std::int32_t container = 0;   // 0 at top level, else the container's block row
  std::string className;
  ControlKind kind = ControlKind::None;
  std::string name;     // for a control array member: name + "_" + index
  std::string caption;  // as written in the form file, double quotes included
  std::int32_t seq = 0;
  // Decimal text, twips while reading and dialog units in `writerList`; a
  // line keeps X1, Y1, X2, Y2 here.
  std::string left;
  std::string top;
  std::string width;
  std::string height;
};

}  // namespace converter
