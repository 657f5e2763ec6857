#include "converter/core/menu_tables.h"

#include "converter/core/text_fields.h"

namespace converter {

namespace {

constexpr std::size_t kPopupColumn = 4;
constexpr std::size_t kFirstItemColumn = 7;

// The text between the first and the second "=", or all after the first.
std::string CaptionOf(std::string_view captionLine) {
  return FitField(Trim(FieldAt(captionLine, "=", 2)), kMenuFieldWidth);
}

}  // namespace

MenuTables BuildMenuTables(std::span<const std::string_view> menuLines) {
  MenuTables tables;
  for (std::size_t i = 0; i < menuLines.size(); ++i) {
    const std::string_view line = menuLines[i];
    if (Trim(line, std::string_view(" \r\n\0", 4)).empty()) continue;
    if (!AfterLeadingBlanks(line).starts_with("Begin")) continue;
    const std::size_t column = line.find_first_not_of(' ') + 1;
    // Begin lines end with a blank, so the next-to-last field is the name.
    const std::string name = FitField(Trim(FieldFromEnd(line, ' ', 2)), kMenuFieldWidth);
    std::string caption;
    if (i + 1 < menuLines.size()) caption = CaptionOf(menuLines[++i]);
    if (column == kPopupColumn) {
      const auto index = static_cast<std::int32_t>(tables.popupTable.size()) + 1;
      tables.popupTable.push_back({index, name, std::move(caption)});
    } else if (column >= kFirstItemColumn) {
      const auto popupIndex = static_cast<std::int32_t>(tables.popupTable.size());
      tables.itemTable.push_back({popupIndex, name, std::move(caption)});
    }
  }
  return tables;
}

}  // namespace converter
