#include "converter/core/property_line.h"

#include <array>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace converter {
namespace {

// The rule as written: the first key, in order, that occurs in the line as a
// plain substring.
std::optional<PropertyKey> FirstKeyByPlainSearch(std::string_view line) {
  constexpr std::array<std::pair<std::string_view, PropertyKey>, 15> keys{{
      {"   Caption", PropertyKey::Caption},
      {"    Index", PropertyKey::Index},
      {"    Height", PropertyKey::Height},
      {"    Left", PropertyKey::Left},
      {"    TabIndex", PropertyKey::TabIndex},
      {"    Tag", PropertyKey::Tag},
      {"    Text", PropertyKey::Text},
      {"    Title", PropertyKey::Title},
      {"    Top", PropertyKey::Top},
      {"    Width", PropertyKey::Width},
      {"    X1", PropertyKey::X1},
      {"    X2", PropertyKey::X2},
      {"    Y1", PropertyKey::Y1},
      {"    Y2", PropertyKey::Y2},
      {"   End", PropertyKey::End},
  }};
  for (const auto& [key, property] : keys) {
    if (line.find(key) != std::string_view::npos) return property;
  }
  return std::nullopt;
}

TEST(FindPropertyKey, TakesTheFirstKeyInOrderWhereverItStands) {
  EXPECT_EQ(FindPropertyKey("      Caption         =   \"OK\""), PropertyKey::Caption);
  EXPECT_EQ(FindPropertyKey("      TabIndex        =   3"), PropertyKey::TabIndex) << "not Index: Tab stands before it";
  EXPECT_EQ(FindPropertyKey("   End"), PropertyKey::End);
  EXPECT_EQ(FindPropertyKey("      Tag = \"    Left\""), PropertyKey::Left) << "Left comes before Tag in the order";
  EXPECT_EQ(FindPropertyKey("   Height = 10"), std::nullopt) << "three blanks are too few for Height";
  EXPECT_EQ(FindPropertyKey("\t\t\tCaption = \"x\""), std::nullopt) << "a tab is no blank";
  EXPECT_EQ(FindPropertyKey("      TextAlign = 1"), PropertyKey::Text);
}

// Lines built from key fragments and blanks, so that keys occur, overlap and
// nearly occur far more often than in random text.
TEST(FindPropertyKey, AgreesWithAPlainSubstringSearchOnGeneratedLines) {
  constexpr std::array<std::string_view, 20> pieces{" ",   "  ",  "   ",  "Caption", "Index", "Height", "Left",
                                                    "Tab", "Tag", "Text", "Title",   "Top",   "Width",  "X1",
                                                    "Y2",  "End", "=",    "\"",      "Ind",   "\t"};
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  for (int n = 0; n < 200000; ++n) {
    std::string line;
    for (int parts = length(random); parts > 0; --parts) line += pieces[piece(random)];
    ASSERT_EQ(FindPropertyKey(line), FirstKeyByPlainSearch(line)) << '[' << line << ']';
  }
}

}  // namespace
}  // namespace converter
