#include "converter/shell/tests/dialog_answerer.h"

#include <array>
#include <utility>

namespace converter::shell::testing {
namespace {

constexpr int kFileTypeList = 0x470;   // cmb1
constexpr int kFileNameCombo = 0x47c;  // cmb13, explorer style
constexpr int kFileNameEdit = 0x480;   // edt1, old style
constexpr int kShellView = 0x461;      // lst2, the explorer style's folder view
constexpr UINT kReadyPollMilliseconds = 50;
constexpr char kAnsweredMark[] = "ShellTestAnswered";

thread_local DialogAnswerer* activeAnswerer = nullptr;

std::string WindowText(HWND window) {
  std::array<char, 1024> text{};
  const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), static_cast<size_t>(length));
}

std::string ClassName(HWND window) {
  std::array<char, 64> name{};
  const int length = GetClassNameA(window, name.data(), static_cast<int>(name.size()));
  return std::string(name.data(), static_cast<size_t>(length));
}

// Both styles of the dialog have the file type list.
bool IsFileDialog(HWND dialog) { return GetDlgItem(dialog, kFileTypeList) != nullptr; }

// The dialog is not shown yet when it activates, so the style bit tells which field is in use.
HWND FileNameField(HWND fileDialog) {
  const HWND combo = GetDlgItem(fileDialog, kFileNameCombo);
  if (combo != nullptr && (GetWindowLongA(combo, GWL_STYLE) & WS_VISIBLE) != 0) return combo;
  return GetDlgItem(fileDialog, kFileNameEdit);
}

// A message box's text is its only static control with text.
std::string MessageBoxText(HWND box) {
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0) text += WindowText(child);
  }
  return text;
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string item(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)), '\0');
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::vector<FileDialogAction> fileDialogActions)
    : hook_(SetWindowsHookExA(WH_CBT, OnCbtEvent, nullptr, GetCurrentThreadId())),
      fileDialogActions_(std::move(fileDialogActions)) {
  activeAnswerer = this;
}

DialogAnswerer::~DialogAnswerer() {
  if (readyPoll_ != 0) KillTimer(nullptr, readyPoll_);
  UnhookWindowsHookEx(hook_);
  activeAnswerer = nullptr;
}

LRESULT CALLBACK DialogAnswerer::OnCbtEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeAnswerer != nullptr) {
    activeAnswerer->OnDialogActivated(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A box is activated again when a box above it closes; it is answered once.
void DialogAnswerer::OnDialogActivated(HWND dialog) {
  if (ClassName(dialog) != "#32770") return;
  if (GetPropA(dialog, kAnsweredMark) != nullptr) {
    // Back after its own error box: the answer did not take, so the test fails instead of waiting.
    if (IsFileDialog(dialog) && dialog != pendingFileDialog_) CancelFileDialog()(dialog);
    return;
  }
  if (IsFileDialog(dialog)) {
    SetPropA(dialog, kAnsweredMark, dialog);
    AwaitFileDialog(dialog);
  } else if (GetDlgItem(dialog, IDOK) != nullptr && !MessageBoxText(dialog).empty()) {
    SetPropA(dialog, kAnsweredMark, dialog);
    AnswerMessageBox(dialog);
  }
}

// The explorer-style dialog fills its folder view after it activates; a file
// name confirmed before that is looked up nowhere. So the action waits for it.
void DialogAnswerer::AwaitFileDialog(HWND dialog) {
  pendingFileDialog_ = dialog;
  readyPoll_ = SetTimer(nullptr, 0, kReadyPollMilliseconds, OnReadyPoll);
}

void CALLBACK DialogAnswerer::OnReadyPoll(HWND, UINT, UINT_PTR, DWORD) {
  if (activeAnswerer != nullptr) activeAnswerer->AnswerFileDialogWhenReady();
}

void DialogAnswerer::AnswerFileDialogWhenReady() {
  const HWND dialog = pendingFileDialog_;
  const bool gone = !IsWindow(dialog);
  const bool ready = IsWindowVisible(dialog) && (GetDlgItem(dialog, kShellView) != nullptr ||
                                                 FileNameField(dialog) != GetDlgItem(dialog, kFileNameCombo));
  if (!gone && !ready) return;
  KillTimer(nullptr, readyPoll_);
  readyPoll_ = 0;
  pendingFileDialog_ = nullptr;
  if (!gone) AnswerFileDialog(dialog);
}

void DialogAnswerer::AnswerFileDialog(HWND dialog) {
  fileDialogs_.push_back({WindowText(dialog), ComboItems(GetDlgItem(dialog, kFileTypeList))});
  if (fileDialogActions_.empty()) {
    CancelFileDialog()(dialog);
    return;
  }
  const FileDialogAction action = std::move(fileDialogActions_.front());
  fileDialogActions_.erase(fileDialogActions_.begin());
  action(dialog);
}

void DialogAnswerer::AnswerMessageBox(HWND box) {
  messageBoxes_.push_back({WindowText(box), MessageBoxText(box), GetWindow(box, GW_OWNER) != nullptr});
  if (messageBoxProbe_) messageBoxProbe_();
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

DialogAnswerer::FileDialogAction TypeFileNameAndConfirm(std::string fileName) {
  return [fileName = std::move(fileName)](HWND fileDialog) {
    SetWindowTextA(FileNameField(fileDialog), fileName.c_str());
    PostMessageA(fileDialog, WM_COMMAND, IDOK, 0);
  };
}

DialogAnswerer::FileDialogAction CancelFileDialog() {
  return [](HWND fileDialog) { PostMessageA(fileDialog, WM_COMMAND, IDCANCEL, 0); };
}

}  // namespace converter::shell::testing
