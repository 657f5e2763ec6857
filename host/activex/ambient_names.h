#pragma once

#include <windows.h>
// windows.h first: olectl.h relies on its types.
#include <olectl.h>

#include <array>
#include <string_view>
#include <utility>

#include "host/runtime/ascii_text.h"

namespace host {

// The ambient properties containers and controls exchange, by dispatch
// identifier and by the name a user control's AmbientChanged reports.
inline constexpr std::array<std::pair<DISPID, std::string_view>, 5> kAmbientNames{{
    {DISPID_AMBIENT_USERMODE, "UserMode"},
    {DISPID_AMBIENT_FONT, "Font"},
    {DISPID_AMBIENT_BACKCOLOR, "BackColor"},
    {DISPID_AMBIENT_FORECOLOR, "ForeColor"},
    {DISPID_AMBIENT_DISPLAYNAME, "DisplayName"},
}};

// Empty for an identifier not listed.
inline std::string_view AmbientName(DISPID id) {
  for (const auto& [listed, name] : kAmbientNames) {
    if (listed == id) return name;
  }
  return {};
}

// DISPID_UNKNOWN for a name not listed.
inline DISPID AmbientId(std::string_view name) {
  for (const auto& [id, listed] : kAmbientNames) {
    if (EqualsIgnoreCase(listed, name)) return id;
  }
  return DISPID_UNKNOWN;
}

}  // namespace host
