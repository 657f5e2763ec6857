#include "converter/core/property_line.h"

#include <utility>

#include "converter/core/text_fields.h"

namespace converter {

namespace {

constexpr std::pair<std::string_view, PropertyKey> kPropertyKeys[] = {
    {"   Caption", PropertyKey::Caption}, {"    Index", PropertyKey::Index},
    {"    Height", PropertyKey::Height},  {"    Left", PropertyKey::Left},
    {"    TabIndex", PropertyKey::TabIndex}, {"    Tag", PropertyKey::Tag},
    {"    Text", PropertyKey::Text},      {"    Title", PropertyKey::Title},
    {"    Top", PropertyKey::Top},        {"    Width", PropertyKey::Width},
    {"    X1", PropertyKey::X1},          {"    X2", PropertyKey::X2},
    {"    Y1", PropertyKey::Y1},          {"    Y2", PropertyKey::Y2},
    {"   End", PropertyKey::End},
};

}  // namespace

std::optional<PropertyKey> FindPropertyKey(std::string_view line) {
  for (const auto& [key, property] : kPropertyKeys) {
    if (line.find(key) != std::string_view::npos) return property;
  }
  return std::nullopt;
}

std::string_view PropertyValue(std::string_view line) {
  const std::size_t lastEquals = line.rfind('=');
  return Trim(lastEquals == std::string_view::npos ? line : line.substr(lastEquals + 1));
}

bool IsGroupLine(std::string_view line) { return AfterLeadingBlanks(line).starts_with("BeginProperty"); }

bool IsHeaderLine(std::string_view line) {
  return AfterLeadingBlanks(line).starts_with("Begin") && !IsGroupLine(line);
}

std::optional<std::size_t> GroupEnd(std::span<const std::string> lines, std::size_t groupLine) {
  for (std::size_t i = groupLine + 1; i < lines.size(); ++i) {
    if (lines[i].find("      EndProperty") != std::string::npos) return i;
  }
  return std::nullopt;
}

}  // namespace converter
