#pragma once

#include <string_view>

#include "host/runtime/types.h"

namespace host {

inline constexpr Long vbOKOnly = 0;
inline constexpr Long vbOKCancel = 1;
inline constexpr Long vbYesNoCancel = 3;
inline constexpr Long vbYesNo = 4;
inline constexpr Long vbCritical = 16;
inline constexpr Long vbQuestion = 32;
inline constexpr Long vbExclamation = 48;
inline constexpr Long vbInformation = 64;

inline constexpr Long vbOK = 1;
inline constexpr Long vbCancel = 2;
inline constexpr Long vbYes = 6;
inline constexpr Long vbNo = 7;

// The standard system message box, owned by the active window; the title
// defaults to the App title. Returns the button pressed.
Long MsgBox(std::string_view prompt, Long buttons = vbOKOnly);
Long MsgBox(std::string_view prompt, Long buttons, std::string_view title);
// With a help file the box also has a Help button, which opens the help file
// at topic `context`.
Long MsgBox(std::string_view prompt, Long buttons, std::string_view title, std::string_view helpFile, Long context);

}  // namespace host
