#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "host/runtime/types.h"
#include "host/services/message_box.h"
#include "subclassing/alertspot/box_placement.h"
#include "subclassing/boxdress/box_handles.h"

// Module1: the runtime's message box, opened at a chosen screen position and
// dressed up at the moment it is activated.
namespace boxdress::Module1 {

// The Cancel button's heavy italic font and the box's animated icon: they
// live exactly as long as the message box; null otherwise.
extern BoxFontHandle BoxFont;
extern BoxIconHandle BoxIcon;
// OldWindowProc, BoxLeft and BoxTop: the box is placed as alertspot places it.
using alertspot::BoxPlacement;
extern BoxPlacement Placement;

// A negative X or Y keeps the position the system chose on that axis.
// Returns the button the user pressed.
host::Long PositionedMsgBox(host::Long X, host::Long Y, std::string_view Prompt, host::Long Buttons = host::vbOKOnly,
                            std::optional<std::string_view> Title = std::nullopt,
                            std::optional<std::string_view> HelpFile = std::nullopt,
                            std::optional<host::Long> Context = std::nullopt);

// Installed on the active window only for the length of one PositionedMsgBox
// call; moves and dresses the box when the owner hears of its activation.
LRESULT CALLBACK PlacementWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace boxdress::Module1
