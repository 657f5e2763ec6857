#include "host/runtime/color.h"

namespace host {

COLORREF TranslateColor(OleColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

}  // namespace host
