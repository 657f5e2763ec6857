#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "host/runtime/types.h"

namespace alertspot {

// What every positioned message box shares: for the length of one box the
// active window runs a temporary procedure, which moves the box when the
// window hears of its activation and then puts the window's own procedure
// back. A module keeps one of these program-wide.
struct BoxPlacement {
  // The active window's own procedure while the temporary one is installed; 0 otherwise.
  LONG_PTR OldWindowProc = 0;
  // Where the box's top-left corner goes; a negative value keeps the system's choice on that axis.
  host::Long BoxLeft = 0;
  host::Long BoxTop = 0;

  // Remembers the position and installs `procedure` on the active window,
  // which it returns (null when there is none).
  HWND Install(host::Long X, host::Long Y, WNDPROC procedure);
  // Moves the box to the remembered position, keeping its size.
  void MoveBox(HWND box) const;
  // Hands a message to the saved procedure; on WM_ACTIVATE puts that
  // procedure back on `window`.
  LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // After the box: puts the saved procedure back if the box never activated.
  void Restore(HWND owner);
};

// The runtime's message box, the optional arguments passed on as given.
host::Long RuntimeMsgBox(std::string_view Prompt, host::Long Buttons, std::optional<std::string_view> Title,
                         std::optional<std::string_view> HelpFile, std::optional<host::Long> Context);

// The box that a WM_ACTIVATE to the temporary procedure announces, or null.
inline HWND ActivatedBox(UINT message, LPARAM lParam) {
  return message == WM_ACTIVATE ? reinterpret_cast<HWND>(lParam) : nullptr;
}

}  // namespace alertspot
