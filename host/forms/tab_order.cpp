#include "host/forms/tab_order.h"

#include <optional>

namespace host {
namespace {

constexpr const char* kTabIndexProperty = "host.tabindex";

// Stored one up, since an absent property reads as zero.
void RecordTabIndex(HWND window, Integer tabIndex) {
  SetPropA(window, kTabIndexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(tabIndex) + 1));
}

std::optional<Integer> RecordedTabIndex(HWND window) {
  const auto stored = reinterpret_cast<INT_PTR>(GetPropA(window, kTabIndexProperty));
  if (stored == 0) return std::nullopt;
  return static_cast<Integer>(stored - 1);
}

void PlaceAfter(HWND window, HWND after) {
  SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void PlaceByTabIndex(HWND window, Integer tabIndex) {
  RecordTabIndex(window, tabIndex);
  HWND after = HWND_TOP;
  // The window may come first (a window given a new parent goes to the top)
  // or last (a new window): it is placed among the others either way.
  for (HWND sibling = GetWindow(window, GW_HWNDFIRST); sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == window) continue;
    const std::optional<Integer> index = RecordedTabIndex(sibling);
    if (index && *index > tabIndex) break;
    after = sibling;
  }
  PlaceAfter(window, after);
}

void MoveToTabIndex(HWND window, Integer tabIndex) {
  RecordTabIndex(window, tabIndex);
  HWND after = HWND_TOP;
  Integer position = 0;
  for (HWND sibling = GetWindow(window, GW_HWNDFIRST); sibling != nullptr && position < tabIndex;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == window) continue;
    after = sibling;
    ++position;
  }
  PlaceAfter(window, after);
}

void ForgetTabIndex(HWND window) { RemovePropA(window, kTabIndexProperty); }

}  // namespace host
