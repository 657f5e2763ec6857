#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace converter::shell::testing {

struct SeenMessageBox {
  std::string title;
  std::string text;
  bool hasOwner;
};

struct SeenFileDialog {
  std::string title;
  std::vector<std::string> filterNames;  // the "Files of type" list
};

// Answers every dialog box this thread opens while it lives, so no test can
// leave a modal window waiting: message boxes get OK, the open-file dialog
// gets the action given (or Cancel when there is none left).
class DialogAnswerer {
 public:
  using FileDialogAction = std::function<void(HWND fileDialog)>;

  explicit DialogAnswerer(std::vector<FileDialogAction> fileDialogActions = {});
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Runs while each message box is still open, before it is answered.
  void WhileMessageBoxOpen(std::function<void()> probe) { messageBoxProbe_ = std::move(probe); }

  const std::vector<SeenMessageBox>& messageBoxes() const { return messageBoxes_; }
  const std::vector<SeenFileDialog>& fileDialogs() const { return fileDialogs_; }

 private:
  static LRESULT CALLBACK OnCbtEvent(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OnReadyPoll(HWND, UINT, UINT_PTR, DWORD);
  void OnDialogActivated(HWND dialog);
  void AwaitFileDialog(HWND dialog);
  void AnswerFileDialogWhenReady();
  void AnswerFileDialog(HWND dialog);
  void AnswerMessageBox(HWND box);

  HHOOK hook_;
  HWND pendingFileDialog_ = nullptr;
  UINT_PTR readyPoll_ = 0;
  std::vector<FileDialogAction> fileDialogActions_;
  std::function<void()> messageBoxProbe_;
  std::vector<SeenMessageBox> messageBoxes_;
  std::vector<SeenFileDialog> fileDialogs_;
};

// Actions for the open-file dialog, as a person would take them.
DialogAnswerer::FileDialogAction TypeFileNameAndConfirm(std::string fileName);
DialogAnswerer::FileDialogAction CancelFileDialog();

}  // namespace converter::shell::testing
