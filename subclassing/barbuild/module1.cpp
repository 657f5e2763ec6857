#include "subclassing/barbuild/module1.h"

#include <cstdint>
#include <string>

#include "host/runtime/resume_next.h"
#include "host/services/message_box.h"
#include "subclassing/barbuild/form1.h"

namespace barbuild::Module1 {

LONG_PTR OldWindowProc = 0;

namespace {

// Command identifiers of the built menu are 2025 to 2028: above 1024 + 1000.
constexpr std::int64_t kCommandBase = 1024;
constexpr std::int64_t kFirstItem = 2025;

void ShowCommand(HWND hWnd, std::int64_t menuId) {
  const auto menuHandle = static_cast<host::Long>(reinterpret_cast<LONG_PTR>(getMenu(hWnd)));
  host::Label& label = Form1Instance().Label1;
  label.SetCaption("Menuhandle: " + std::to_string(menuHandle) + "\r\n\r\nMenuID: " + std::to_string(menuId));
  label.Refresh();
}

}  // namespace

void FreeMenu(MenuHandle& handle) { handle.reset(); }

LRESULT CALLBACK MenuWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (OldWindowProc == 0) return 0;
  host::ResumeNext resumeNext;
  LRESULT result = 0;
  resumeNext([&] { result = callWindowProc(reinterpret_cast<WNDPROC>(OldWindowProc), hWnd, uMsg, wParam, lParam); });
  // The whole wParam counts, as a signed 32-bit value, not just its low word.
  const std::int64_t menuId = static_cast<host::Long>(wParam) - kCommandBase;
  if (uMsg == WM_COMMAND && menuId > 1000) {
    resumeNext([&] { ShowCommand(hWnd, menuId); });
    if (static_cast<host::Long>(wParam) == kFirstItem) resumeNext([] { host::MsgBox("Hello World", host::vbOKOnly); });
  }
  return result;
}

}  // namespace barbuild::Module1
