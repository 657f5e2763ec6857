#include "host/runtime/font_handle.h"

#include <cmath>
#include <cstring>

#include "host/win32/dc_scope.h"

namespace host {
namespace {

int ScreenDpiY() {
  const WindowDC screen(nullptr);
  return GetDeviceCaps(screen.dc(), LOGPIXELSY);
}

}  // namespace

UniqueFont CreateFontHandle(const Font& font) {
  LOGFONTA logFont{};
  logFont.lfHeight = -static_cast<LONG>(std::lround(static_cast<double>(font.Size) * ScreenDpiY() / 72.0));
  logFont.lfWeight = font.Weight();
  logFont.lfItalic = font.Italic;
  logFont.lfUnderline = font.Underline;
  logFont.lfStrikeOut = font.Strikethrough;
  logFont.lfCharSet = static_cast<BYTE>(font.Charset);
  std::strncpy(logFont.lfFaceName, font.Name.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectA(&logFont));
}

Font FontFromHandle(HFONT handle) {
  LOGFONTA logFont{};
  GetObjectA(handle, sizeof logFont, &logFont);
  Font font;
  font.Name = logFont.lfFaceName;
  font.Size = static_cast<Single>(std::abs(logFont.lfHeight) * 72.0 / ScreenDpiY());
  font.Bold = logFont.lfWeight >= FW_BOLD;
  font.Italic = logFont.lfItalic != 0;
  font.Underline = logFont.lfUnderline != 0;
  font.Strikethrough = logFont.lfStrikeOut != 0;
  font.Charset = logFont.lfCharSet;
  return font;
}

}  // namespace host
