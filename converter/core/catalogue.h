#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace converter {

// `ControlKind`: the converter's classification of a control, by code.
enum class ControlKind : std::int32_t {
  None = 0,
  CheckBox = 1,
  ComboBox = 2,
  CommandButton = 3,
  Frame = 4,
  Grid = 5,
  HorizontalScroll = 6,
  Image = 7,
  Label = 8,
  Line = 9,
  ListBox = 10,
  Menu = 11,
  OptionButton = 12,
  PictureBox = 13,
  TextBox = 14,
  VerticalScroll = 15,
  ImageList = 16,
  ListView = 17,
  ProgressBar = 18,
  Slider = 19,
  StatusBar = 20,
  TabControl = 21,
  Toolbar = 22,
  TreeView = 23,
  UpDown = 24,
};

inline constexpr int kLastControlKindCode = 24;

// "CHECKBOX", "COMMAND BUTTON", ...; empty for None.
std::string_view ControlKindName(ControlKind kind);

// The catalogue row of an exact class name: nullopt when the class is in no
// row, ControlKind::None for the tab classes that are recognised without a kind.
std::optional<ControlKind> LookupClass(std::string_view className);

// Whether the class field contains an entry of the exclusion list anywhere.
bool IsExcludedClass(std::string_view classField);

}  // namespace converter
