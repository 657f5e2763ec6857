#include "converter/shell/dialog_template.h"

#include <string>

namespace converter::shell {

DialogTemplate::DialogTemplate(const DialogFrame& frame, std::span<const DialogItem> items) {
  AppendDword(frame.style | DS_SETFONT);
  AppendDword(0);  // extended style
  words_.push_back(static_cast<WORD>(items.size()));
  for (const short value : {frame.x, frame.y, frame.width, frame.height}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the dialog manager's own window class
  AppendText(frame.title);
  words_.push_back(frame.fontPointSize);
  AppendText(frame.fontName);
  for (const DialogItem& item : items) AppendItem(item);
}

void DialogTemplate::AppendDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

// Texts are ANSI in this program; the template wants UTF-16.
void DialogTemplate::AppendText(std::string_view text) {
  if (!text.empty()) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    words_.insert(words_.end(), wide.begin(), wide.end());
  }
  words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

void DialogTemplate::AppendItem(const DialogItem& item) {
  AlignToDword();
  AppendDword(item.style);
  AppendDword(0);  // extended style
  for (const short value : {item.x, item.y, item.width, item.height}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(item.id);
  AppendText(item.className);
  AppendText(item.text);
  words_.push_back(0);  // no creation data
}

}  // namespace converter::shell
