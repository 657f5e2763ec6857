#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace converter {

inline constexpr std::size_t kMenuFieldWidth = 25;

// `PopupRecord`: one top-level menu.
struct PopupRecord {
  std::int32_t index = 0;  // its row in `popupTable`, from 1
  std::string name;
  std::string caption;  // with the form file's double quotes
};

// `ItemRecord`: one menu entry below a top-level menu, at any depth.
struct ItemRecord {
  std::int32_t popupIndex = 0;  // the popup row last added when the item was met
  std::string name;
  std::string caption;
};

struct MenuTables {
  std::vector<PopupRecord> popupTable;
  std::vector<ItemRecord> itemTable;
};

// The menu table step: Begin lines at column 4 are popups, at column 7 and
// beyond items; each takes the line after it as its caption line.
MenuTables BuildMenuTables(std::span<const std::string_view> menuLines);

}  // namespace converter
