#pragma once

#include <span>
#include <string_view>

#include "converter/core/edition.h"

namespace converter {

// What a form header line does when it holds a key.
enum class HeaderAction { Ignore, Caption, Width, Height, Left, Top, Stop };

struct HeaderKey {
  std::string_view key;
  HeaderAction action;
};

// Everything in which the two builds differ, as data.
struct EditionData {
  std::string_view name;
  std::string_view title;
  std::string_view creditLine;            // item 5 of the generated header comment
  std::span<const HeaderKey> headerKeys;  // tested in order; the first match acts
  int widthAllowance;                     // dialog units the outer size's frame takes
  int heightAllowance;
};

const EditionData& EditionDataFor(Edition edition);

}  // namespace converter
