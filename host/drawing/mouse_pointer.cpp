#include "host/drawing/mouse_pointer.h"

#include "host/runtime/error.h"

namespace host {

Integer CheckedMousePointer(Integer pointer) {
  if ((pointer < vbDefault || pointer > vbSizeAll) && pointer != vbCustom) {
    throw RuntimeError(error_number::InvalidPropertyValue);
  }
  return pointer;
}

HCURSOR StandardCursor(Integer pointer) {
  // Pointers 1 to 15: arrow, cross, I-beam, icon, size, size NE-SW, size N-S,
  // size NW-SE, size W-E, up arrow, hourglass, no drop, arrow and hourglass,
  // arrow and question mark, size all.
  static const LPCSTR kCursors[] = {IDC_ARROW,    IDC_CROSS,  IDC_IBEAM,       IDC_ICON,   IDC_SIZEALL,
                                    IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE,    IDC_SIZEWE, IDC_UPARROW,
                                    IDC_WAIT,     IDC_NO,     IDC_APPSTARTING, IDC_HELP,   IDC_SIZEALL};
  if (pointer < vbArrow || pointer > vbSizeAll) return nullptr;
  return LoadCursorA(nullptr, kCursors[pointer - vbArrow]);
}

}  // namespace host
