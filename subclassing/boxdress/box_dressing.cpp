#include "subclassing/boxdress/box_dressing.h"

#include <string>

#include "host/runtime/resume_next.h"
#include "subclassing/boxdress/win32_functions.h"

namespace boxdress {
namespace {

constexpr LONG kHeavy = 900;

void SetItemText(HWND box, int item, const char* text) {
  host::ResumeNext()([&] {
    if (const HWND button = getDlgItem(box, item)) setWindowText(button, text);
  });
}

bool IsIconStatic(HWND window) {
  char className[16] = {};
  getClassName(window, className, sizeof className);
  return std::string(className) == "Static" && (getWindowLong(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// The static that shows the box's icon, whatever identifier the system gave it.
HWND IconStatic(HWND box) {
  for (HWND child = getWindow(box, GW_CHILD); child != nullptr; child = getWindow(child, GW_HWNDNEXT)) {
    if (IsIconStatic(child)) return child;
  }
  return nullptr;
}

}  // namespace

void DressButtons(HWND box, BoxFontHandle& font) {
  host::ResumeNext resumeNext;
  SetItemText(box, kYesButton, "&Hit");
  SetItemText(box, kNoButton, "the");
  HWND cancel = nullptr;
  resumeNext([&] { cancel = getDlgItem(box, kCancelButton); });
  if (cancel == nullptr) return;
  resumeNext([&] { setWindowText(cancel, "\"Anykey...\""); });
  resumeNext([&] {
    const auto current = reinterpret_cast<HFONT>(sendMessage(cancel, WM_GETFONT, 0, 0));
    if (current == nullptr) return;
    LOGFONTA logFont{};
    getObject(current, sizeof logFont, &logFont);
    logFont.lfWeight = kHeavy;
    logFont.lfItalic = 1;
    font.reset(createFontIndirect(&logFont));
    if (font) sendMessage(cancel, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  });
}

void DressIcon(HWND box, BoxIconHandle& icon) {
  host::ResumeNext()([&] {
    const HWND iconStatic = IconStatic(box);
    if (iconStatic == nullptr) return;
    icon.reset(static_cast<HICON>(loadImage(nullptr, "GLOBE.ANI", IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    if (icon) sendMessage(iconStatic, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
  });
}

}  // namespace boxdress
