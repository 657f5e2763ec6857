#include "host/controls/option_button.h"

#include <commctrl.h>

#include <vector>

namespace host {
namespace {

constexpr UINT_PTR kOptionSubclassId = 1;

std::vector<HWND> GroupOf(HWND button) {
  std::vector<HWND> group;
  for (HWND sibling = GetWindow(button, GW_HWNDFIRST); sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (dynamic_cast<OptionButton*>(Control::FromWindow(sibling)) != nullptr) group.push_back(sibling);
  }
  return group;
}

void SetTabStop(HWND window, bool tabStop) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

bool IsArrowKey(WPARAM key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

// The form's loop hands arrow keys to the button rather than to dialog
// navigation, whose groups would run across the form's other controls.
LRESULT CALLBACK OptionSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (auto* button = dynamic_cast<OptionButton*>(Control::FromWindow(window));
          button != nullptr && IsArrowKey(wParam)) {
        button->SelectNeighbour(wParam == VK_LEFT || wParam == VK_UP);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

Control::WindowTraits OptionButton::TraitsFrom(const PropertyBag&) const {
  return {"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0, vbButtonFace, vbButtonText};
}

void OptionButton::ApplySettings(const PropertyBag& bag) {
  SetWindowSubclass(hWnd(), OptionSubclassProc, kOptionSubclassId, 0);
  if (static_cast<bool>(bag.ReadProperty<Boolean>("Value", False))) {
    TakeGroupSelection();
    Send(BM_SETCHECK, BST_CHECKED);
  } else if (AnotherInGroupIsSelected()) {
    SetTabStop(hWnd(), false);
  }
}

bool OptionButton::Value() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void OptionButton::SetValue(bool value) {
  if (value == Value()) return;
  if (value) TakeGroupSelection();
  Send(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
  if (value) Click.Raise();
}

void OptionButton::SelectNeighbour(bool previous) {
  const std::vector<HWND> group = GroupOf(hWnd());
  const auto count = static_cast<std::ptrdiff_t>(group.size());
  std::ptrdiff_t at = 0;
  while (at < count && group[static_cast<std::size_t>(at)] != hWnd()) ++at;
  for (std::ptrdiff_t step = 1; step < count; ++step) {
    const HWND candidate =
        group[static_cast<std::size_t>(((previous ? at - step : at + step) % count + count) % count)];
    if (!IsWindowEnabled(candidate) || !IsWindowVisible(candidate)) continue;
    SetFocus(candidate);
    static_cast<OptionButton*>(FromWindow(candidate))->SetValue(true);
    return;
  }
}

void OptionButton::TakeGroupSelection() const {
  for (const HWND member : GroupOf(hWnd())) {
    if (member != hWnd()) SendMessageA(member, BM_SETCHECK, BST_UNCHECKED, 0);
    SetTabStop(member, member == hWnd());
  }
}

bool OptionButton::AnotherInGroupIsSelected() const {
  for (const HWND member : GroupOf(hWnd())) {
    if (member != hWnd() && SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED) return true;
  }
  return false;
}

void OptionButton::OnCommand(WORD notification) {
  if (notification != BN_CLICKED) return;
  if (Value()) {
    Click.Raise();
  } else {
    SetValue(true);
  }
}

}  // namespace host
