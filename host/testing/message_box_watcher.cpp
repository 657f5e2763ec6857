#include "host/testing/message_box_watcher.h"

#include <algorithm>

namespace host::testing {
namespace {

MessageBoxWatcher* active = nullptr;

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer)
    : answer_(answer), hook_(SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId())) {
  active = this;
}

MessageBoxWatcher::~MessageBoxWatcher() {
  UnhookWindowsHookEx(hook_);
  active = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  const HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && active != nullptr && ClassOf(window) == "#32770" &&
      std::find(active->pending_.begin(), active->pending_.end(), window) == active->pending_.end()) {
    // Inspect later, from inside the box's own loop: by then the owner has
    // seen WM_ACTIVATE and may have moved or restyled the box.
    active->pending_.push_back(window);
    SetTimer(nullptr, 0, 100, AnswerPending);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxWatcher::AnswerPending(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (active == nullptr || active->pending_.empty()) return;
  const HWND box = active->pending_.front();
  active->pending_.erase(active->pending_.begin());
  if (IsWindow(box)) active->RecordAndAnswer(box);
}

void MessageBoxWatcher::RecordAndAnswer(HWND box) {
  MessageBoxRecord record;
  record.title = TextOf(box);
  GetWindowRect(box, &record.bounds);
  HWND firstButton = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string className = ClassOf(child);
    if (className == "Button") {
      if (firstButton == nullptr) firstButton = child;
      record.buttons.push_back(TextOf(child));
      const auto fontHandle = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
      LOGFONTA font{};
      GetObjectA(fontHandle, sizeof font, &font);
      record.buttonFonts.push_back(font);
      record.buttonFontHandles.push_back(fontHandle);
    } else if (className == "Static" && GetDlgCtrlID(child) == 0xFFFF) {
      record.text = TextOf(child);
    } else if (className == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      record.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
  }
  seen_.push_back(record);
  HWND button = GetDlgItem(box, answer_);
  if (button == nullptr) button = firstButton;
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace host::testing
