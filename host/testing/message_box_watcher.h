#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host::testing {

// What a message box of this thread showed when it was answered.
struct MessageBoxRecord {
  std::string text;
  std::string title;
  RECT bounds{};
  std::vector<std::string> buttons;
  std::vector<LOGFONTA> buttonFonts;
  std::vector<HFONT> buttonFontHandles;
  // What the box's icon static (SS_ICON) showed; null when it has none.
  HICON icon = nullptr;
};

// While it lives, every message box (dialog class #32770) this thread opens
// is recorded once it is up and then answered with the button `answer`
// (IDOK, IDCANCEL, IDYES, ...), or with its first button when it has no such
// button. One watcher at a time.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(int answer = IDOK);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  const std::vector<MessageBoxRecord>& Seen() const { return seen_; }

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK AnswerPending(HWND, UINT, UINT_PTR timer, DWORD);
  void RecordAndAnswer(HWND box);

  int answer_;
  HHOOK hook_;
  std::vector<HWND> pending_;
  std::vector<MessageBoxRecord> seen_;
};

}  // namespace host::testing
