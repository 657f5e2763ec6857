#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "host/runtime/types.h"
#include "host/services/message_box.h"
#include "subclassing/alertspot/box_placement.h"

// Module Alertspot: the runtime's message box, opened with its top-left
// corner at a chosen screen position.
namespace alertspot::Alertspot {

// OldWindowProc, BoxLeft and BoxTop of this module.
extern BoxPlacement Placement;

// A negative X or Y keeps the position the system chose on that axis.
// Returns the button the user pressed.
host::Long PositionedMsgBox(host::Long X, host::Long Y, std::string_view Prompt, host::Long Buttons = host::vbOKOnly,
                            std::optional<std::string_view> Title = std::nullopt,
                            std::optional<std::string_view> HelpFile = std::nullopt,
                            std::optional<host::Long> Context = std::nullopt);

// Installed on the active window only for the length of one PositionedMsgBox
// call; moves the box when the owner hears of its activation.
LRESULT CALLBACK PlacementWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace alertspot::Alertspot
