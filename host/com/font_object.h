#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>
#include <olectl.h>

#include <optional>

#include "host/com/com_ptr.h"
#include "host/runtime/font.h"

namespace host {

// A standard font object describing `font`, as containers hand fonts to
// controls and controls hand them back.
ComPtr<IDispatch> FontObject(const Font& font);

// What a font object describes; nothing when the object is no font.
std::optional<Font> FontOf(IUnknown* object);

}  // namespace host
