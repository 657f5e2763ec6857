#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace converter::testing {

// Joins lines as a form file or a generated source has them: each ends CR LF.
inline std::string Crlf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace converter::testing
