#pragma once

#include <string>

#include "host/runtime/types.h"

namespace host {

// The font object of forms, controls and user controls: a value, turned into
// a GDI font where one is needed (font_handle.h).
struct Font {
  std::string Name = "MS Sans Serif";
  Single Size = 8.25f;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;
  Integer Charset = 0;

  Integer Weight() const { return Bold ? 700 : 400; }
  bool operator==(const Font&) const = default;
};

}  // namespace host
