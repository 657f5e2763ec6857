#include "converter/core/property_line.h"

#include <iterator>

#include "converter/core/text_fields.h"

namespace converter {

namespace {

// A key is a run of blanks followed by a word, tested in this order.
struct KeyPattern {
  std::size_t blanks;
  std::string_view word;
  PropertyKey property;

  constexpr KeyPattern(std::string_view key, PropertyKey which)
      : blanks(key.find_first_not_of(' ')), word(key.substr(key.find_first_not_of(' '))), property(which) {}
};

constexpr KeyPattern kPropertyKeys[] = {
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
};

}  // namespace

// The first key in order that the line contains anywhere. A key occurs where
// its word starts after at least its count of blanks, so one pass over the
// line's words finds every key it holds; the earliest in order wins.
std::optional<PropertyKey> FindPropertyKey(std::string_view line) {
  constexpr std::size_t kNone = std::size(kPropertyKeys);
  std::size_t first = kNone;
  std::size_t blanks = 0;
  for (std::size_t i = 0; i < line.size() && first != 0; ++i) {
    if (line[i] == ' ') {
      ++blanks;
      continue;
    }
    if (blanks >= 3) {
      const std::string_view rest = line.substr(i);
      for (std::size_t k = 0; k < first; ++k) {
        const KeyPattern& key = kPropertyKeys[k];
        // The first letter settles most keys without a compare.
        if (blanks >= key.blanks && rest[0] == key.word[0] && rest.starts_with(key.word)) {
          first = k;
          break;
        }
      }
    }
    blanks = 0;
  }
  if (first == kNone) return std::nullopt;
  return kPropertyKeys[first].property;
}

std::string_view PropertyValue(std::string_view line) {
  const std::size_t lastEquals = line.rfind('=');
  return Trim(lastEquals == std::string_view::npos ? line : line.substr(lastEquals + 1));
}

bool IsGroupLine(std::string_view line) { return AfterLeadingBlanks(line).starts_with("BeginProperty"); }

bool IsHeaderLine(std::string_view line) { return AfterLeadingBlanks(line).starts_with("Begin") && !IsGroupLine(line); }

std::optional<std::size_t> GroupEnd(std::span<const std::string_view> lines, std::size_t groupLine) {
  for (std::size_t i = groupLine + 1; i < lines.size(); ++i) {
    if (lines[i].find("      EndProperty") != std::string_view::npos) return i;
  }
  return std::nullopt;
}

}  // namespace converter
