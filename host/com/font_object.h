#pragma once

#include <windows.h>
// windows.h first: olectl.h relies on its types.
#include <olectl.h>

#include <optional>

#include "host/com/com_ptr.h"
#include "host/runtime/font.h"

namespace host {

// A standard font object describing the font value, as containers hand fonts
// to controls; error 7 when none can be made.
ComPtr<IFontDisp> CreateFontObject(const Font& font);
// What a font object describes; nothing when the object is no font.
std::optional<Font> FontOf(IUnknown* object);

}  // namespace host
