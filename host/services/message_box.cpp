#include "host/services/message_box.h"

#include <windows.h>

#include <string>
#include <utility>

#include "host/services/app.h"
#include "host/win32/gateway.h"

namespace host {
namespace {

const Win32Function<decltype(::WinHelpA)> winHelp{"user32", "WinHelpA"};

// The help file of the box on screen; boxes are modal, so one at a time.
std::string currentHelpFile;

void CALLBACK OpenHelp(LPHELPINFO help) {
  try {
    winHelp(GetActiveWindow(), currentHelpFile.c_str(), HELP_CONTEXT, help->dwContextId);
  } catch (...) {  // no help engine on this system: the button does nothing
  }
}

}  // namespace

Long MsgBox(std::string_view prompt, Long buttons) { return MsgBox(prompt, buttons, App().Title()); }

Long MsgBox(std::string_view prompt, Long buttons, std::string_view title) {
  const std::string text(prompt);
  const std::string caption(title);
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), static_cast<UINT>(buttons));
}

Long MsgBox(std::string_view prompt, Long buttons, std::string_view title, std::string_view helpFile, Long context) {
  if (helpFile.empty()) return MsgBox(prompt, buttons, title);
  const std::string text(prompt);
  const std::string caption(title);
  const std::string previousHelpFile = std::exchange(currentHelpFile, std::string(helpFile));
  MSGBOXPARAMSA box{};
  box.cbSize = sizeof box;
  box.hwndOwner = GetActiveWindow();
  box.lpszText = text.c_str();
  box.lpszCaption = caption.c_str();
  box.dwStyle = static_cast<DWORD>(buttons) | MB_HELP;
  box.dwContextHelpId = static_cast<DWORD_PTR>(context);
  box.lpfnMsgBoxCallback = &OpenHelp;
  const Long pressed = MessageBoxIndirectA(&box);
  currentHelpFile = previousHelpFile;
  return pressed;
}

}  // namespace host
