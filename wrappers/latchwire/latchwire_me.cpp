#include "wrappers/latchwire/latchwire_me.h"

#include <windows.h>

#include "host/runtime/resume_next.h"
#include "host/win32/gateway.h"

namespace latchwire {
namespace {

using host::Win32Function;

const Win32Function<decltype(::GetMessageA)> GetMessageA_{"user32", "GetMessageA"};
const Win32Function<decltype(::IsWindow)> IsWindow_{"user32", "IsWindow"};
const Win32Function<decltype(::IsDialogMessageA)> IsDialogMessageA_{"user32", "IsDialogMessageA"};
const Win32Function<decltype(::TranslateMessage)> TranslateMessage_{"user32", "TranslateMessage"};
const Win32Function<decltype(::DispatchMessageA)> DispatchMessageA_{"user32", "DispatchMessageA"};
const Win32Function<decltype(::ShowWindow)> ShowWindow_{"user32", "ShowWindow"};

}  // namespace

void LatchwireMe::UserControl_Show() {
  host::ResumeNext rn;
  bool designMode = false;
  rn([&] { designMode = !Ambient().UserMode; });
  if (designMode || ParentForm != nullptr) return;
  rn([&] { ShowWindow_(UserControl::hWnd(), SW_HIDE); });
  rn([&] { ParentForm = Extender().Parent(); });
  if (ParentForm == nullptr) return;
  HWND formWindow = nullptr;
  rn([&] { formWindow = ParentForm->hWnd(); });
  RunMessageLoop(formWindow);
}

// Once the form window is gone, this object may be gone with it: after the
// check of IsWindow nothing here touches a member.
void LatchwireMe::RunMessageLoop(HWND formWindow) {
  host::ResumeNext rn;
  MSG message{};
  for (;;) {
    BOOL retrieved = TRUE;
    rn([&] { retrieved = GetMessageA_(&message, nullptr, 0, 0); });
    if (retrieved == 0) return;
    bool formAlive = true;
    rn([&] { formAlive = IsWindow_(formWindow) != 0; });
    if (!formAlive) return;

    auto wMsg = static_cast<host::Long>(message.message);
    auto wParam = static_cast<host::LongPtr>(message.wParam);
    host::LongPtr lParam = message.lParam;
    WindowMessages.Raise(reinterpret_cast<host::LongPtr>(message.hwnd), wMsg, wParam, lParam,
                         static_cast<host::Long>(message.time));
    message.message = static_cast<UINT>(wMsg);
    message.wParam = static_cast<WPARAM>(wParam);
    message.lParam = static_cast<LPARAM>(lParam);

    bool handled = false;
    rn([&] { handled = IsDialogMessageA_(formWindow, &message) != 0; });
    if (handled) continue;
    rn([&] { TranslateMessage_(&message); });
    rn([&] { DispatchMessageA_(&message); });
  }
}

}  // namespace latchwire
