#include "host/com/font_object.h"

#include <cmath>

#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {

ComPtr<IFontDisp> CreateFontObject(const Font& font) {
  const Bstr name(font.Name);
  FONTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = name.get();
  description.cySize.int64 = std::llround(static_cast<double>(font.Size) * 10000.0);
  description.sWeight = static_cast<SHORT>(font.Weight());
  description.sCharset = static_cast<SHORT>(font.Charset);
  description.fItalic = font.Italic;
  description.fUnderline = font.Underline;
  description.fStrikethrough = font.Strikethrough;
  ComPtr<IFontDisp> object;
  if (FAILED(OleCreateFontIndirect(&description, IID_PPV_ARGS(&object)))) {
    throw RuntimeError(error_number::OutOfMemory, "the font object could not be created");
  }
  return object;
}

std::optional<Font> FontOf(IUnknown* object) {
  ComPtr<IFont> font;
  if (object == nullptr || FAILED(object->QueryInterface(IID_PPV_ARGS(&font)))) return std::nullopt;
  Font read;
  Bstr name;
  CY size{};
  BOOL bold = FALSE;
  BOOL italic = FALSE;
  BOOL underline = FALSE;
  BOOL strikethrough = FALSE;
  SHORT charset = 0;
  if (FAILED(font->get_Name(name.put())) || FAILED(font->get_Size(&size)) || FAILED(font->get_Bold(&bold)) ||
      FAILED(font->get_Italic(&italic)) || FAILED(font->get_Underline(&underline)) ||
      FAILED(font->get_Strikethrough(&strikethrough)) || FAILED(font->get_Charset(&charset))) {
    return std::nullopt;
  }
  read.Name = name.ToAnsi();
  read.Size = static_cast<Single>(static_cast<double>(size.int64) / 10000.0);
  read.Bold = bold != FALSE;
  read.Italic = italic != FALSE;
  read.Underline = underline != FALSE;
  read.Strikethrough = strikethrough != FALSE;
  read.Charset = charset;
  return read;
}

}  // namespace host
