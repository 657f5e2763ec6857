#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "converter/core/edition.h"

namespace converter {

inline constexpr std::size_t kFormCaptionWidth = 100;

// `FormHeader`: the form's caption and size as read (twips) and converted
// (dialog units). Fields hold at most their width; readers trim them.
struct FormHeader {
  std::string caption;
  std::string left;
  std::string top;
  std::string width;
  std::string height;
  std::string dlgLeft;
  std::string dlgTop;
  std::string dlgWidth;
  std::string dlgHeight;
  std::string dlgHeightWithMenu;
};

// `ParseFormHeader`: reads `headerLines` with the edition's key list.
FormHeader ParseFormHeader(std::span<const std::string_view> headerLines, Edition edition);

// `ConvertFormSize`: fills the dialog-unit fields.
void ConvertFormSize(FormHeader& header, Edition edition);

// Twips text to dialog units, rounded, before formatting.
std::int64_t TwipsToDialogUnits(std::string_view twips, double unitsPerTwip);

// Dialog units as "#####" formats them, fitted to a number field.
std::string DialogUnitsField(std::int64_t units);

}  // namespace converter
