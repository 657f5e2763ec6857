#include "subclassing/capstrip/enable_capstrip.h"

#include <string>

#include "host/runtime/text.h"
#include "subclassing/capstrip/user32.h"

namespace capstrip {
namespace {

constexpr int kTextLength = 127;

// The window style that goes with an item's new identifier.
LONG StyleFor(host::Long identifier, LONG style) {
  switch (identifier) {
    case SC_MINIMIZE:
      return style | WS_MINIMIZEBOX;
    case SC_MAXIMIZE:
      return style | WS_MAXIMIZEBOX;
    case -SC_MAXIMIZE:
      return style & ~WS_MAXIMIZEBOX;
    case -SC_MINIMIZE:
      return style & ~WS_MINIMIZEBOX;
    default:
      return style;
  }
}

}  // namespace

void EnableCapstrip(host::Form& form, host::Long SysByCommand, host::Boolean EnableMenu, std::string_view NewCaption) {
  std::string buffer(kTextLength, ' ');
  const HWND window = form.hWnd();
  const HMENU hMenu = getSystemMenu(window, FALSE);
  host::Long current = SysByCommand;
  int length = getMenuString(hMenu, static_cast<UINT>(current), buffer.data(), kTextLength, MF_BYCOMMAND);
  if (length == 0) {
    current = -SysByCommand;
    length = getMenuString(hMenu, static_cast<UINT>(current), buffer.data(), kTextLength, MF_BYCOMMAND);
    if (length == 0) return;
  }
  const std::string text =
      host::Trim(NewCaption).empty() ? buffer.substr(0, static_cast<std::size_t>(length)) : std::string(NewCaption);
  const bool enable = static_cast<bool>(EnableMenu);
  const host::Long identifier = enable ? SysByCommand : -SysByCommand;
  const UINT state = enable ? MF_ENABLED : MF_GRAYED;
  modifyMenu(hMenu, static_cast<UINT>(current), MF_BYCOMMAND | MF_STRING | state, static_cast<UINT_PTR>(identifier),
             text.c_str());

  const LONG style = getWindowLong(window, GWL_STYLE);
  const LONG newStyle = StyleFor(identifier, style);
  if (newStyle != style) setWindowLong(window, GWL_STYLE, newStyle);
  // Redraws the frame, so that the title bar shows the new set of boxes.
  if (form.Visible()) {
    setWindowPos(window, window, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }
}

}  // namespace capstrip
