#include "host/services/message_box.h"

#include <windows.h>

#include <string>

#include "host/services/app.h"

namespace host {

Long MsgBox(std::string_view prompt, Long buttons) { return MsgBox(prompt, buttons, App().Title()); }

Long MsgBox(std::string_view prompt, Long buttons, std::string_view title) {
  const std::string text(prompt);
  const std::string caption(title);
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), static_cast<UINT>(buttons));
}

}  // namespace host
