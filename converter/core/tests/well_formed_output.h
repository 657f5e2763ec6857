#pragma once

// Checks that hold for the output of any conversion, whatever the form.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "converter/core/conversion_report.h"
#include "expected_header.h"

namespace converter::testing {

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline std::size_t CountStartingWith(const std::vector<std::string>& lines, std::string_view prefix) {
  return std::count_if(lines.begin(), lines.end(),
                       [prefix](const std::string& line) { return line.starts_with(prefix); });
}

// Lines between a heading and the next blank line.
inline std::vector<std::string> LinesAfter(const std::vector<std::string>& lines, std::string_view heading) {
  std::vector<std::string> section;
  auto line = std::find(lines.begin(), lines.end(), heading);
  if (line == lines.end()) return section;
  for (++line; line != lines.end() && !line->empty() && !line->starts_with("'="); ++line) section.push_back(*line);
  return section;
}

inline bool EveryLineEndsWithCrLf(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return text.ends_with("\r\n");
}

inline void ExpectWellFormed(const std::string& output, const ConversionReport& report, int conversionNumber) {
  const std::vector<std::string> lines = Lines(output);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), kRule);
  EXPECT_TRUE(EveryLineEndsWithCrLf(output));
  EXPECT_EQ(CountStartingWith(lines, "    DIALOG NEW 0, \""), 1u);
  EXPECT_TRUE(output.ends_with("END FUNCTION\r\n" + std::string(kRule) + "\r\n\r\n"));

  const auto controls = static_cast<std::size_t>(report.converted());
  const std::vector<std::string> equates = LinesAfter(lines, "' Control Equates ");
  ASSERT_EQ(equates.size(), controls);
  for (std::size_t i = 0; i < equates.size(); ++i) {
    EXPECT_EQ(equates[i].size(), 34u);
    std::string number = " " + std::to_string(static_cast<std::size_t>(conversionNumber) * 100 + i + 1);
    number.resize(7, ' ');
    EXPECT_EQ(equates[i].substr(25), "= " + number) << equates[i];
  }
  EXPECT_EQ(CountStartingWith(lines, "    CONTROL ADD ") + CountStartingWith(lines, "    'CONTROL ADD "), controls);
  EXPECT_EQ(CountStartingWith(lines, "CALLBACK FUNCTION "), controls + 1);

  const std::size_t popups = LinesAfter(lines, "'============================== PopUp Equates ").size();
  EXPECT_EQ(CountStartingWith(lines, "    MENU NEW POPUP TO hPopup"), popups);
  EXPECT_EQ(CountStartingWith(lines, "    MENU ATTACH hMenu, hDlg"), popups > 0 ? 1u : 0u);
}

}  // namespace converter::testing
