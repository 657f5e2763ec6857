#include "subclassing/barbuild/form1.h"

#include <string>

namespace barbuild {
namespace {

constexpr host::Integer kNoMenu = 0;
constexpr host::Integer kAddMenu = 1;
constexpr int kItems = 4;
constexpr UINT kFirstCommand = 2025;

}  // namespace

Form1::Form1() : Form("Form1") {
  Option1.On(&host::OptionButton::Click, [this](host::Integer Index) { Option1_Click(Index); });
}

void Form1::Form_Load() {
  Module1::OldWindowProc =
      host::setWindowLongPtr(hWnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Module1::MenuWindowProc));
}

void Form1::Form_Unload(host::Integer&) {
  if (Module1::OldWindowProc != 0) {
    host::setWindowLongPtr(hWnd(), GWLP_WNDPROC, Module1::OldWindowProc);
    Module1::OldWindowProc = 0;
  }
  DestroyBuiltMenus();
}

void Form1::Option1_Click(host::Integer Index) {
  DestroyBuiltMenus();
  if (Index == kNoMenu) setMenu(hWnd(), nullptr);
  if (Index == kAddMenu && !BuildMenuBar()) return;
  if (hMenu) setMenu(hWnd(), hMenu.get());
  drawMenuBar(hWnd());
}

// The bar is taken off the window before it goes, so the window never holds
// a destroyed menu; destroying the bar destroys the pop-up it took over.
void Form1::DestroyBuiltMenus() {
  if (getMenu(hWnd()) == hMenu.get() && hMenu) setMenu(hWnd(), nullptr);
  Module1::FreeMenu(hPopupMenu1);
  Module1::FreeMenu(hMenu);
}

bool Form1::BuildMenuBar() {
  hMenu.reset(createMenu());
  if (!hMenu) return false;
  hPopupMenu1.reset(createPopupMenu());
  const HMENU popup = hPopupMenu1.get();
  if (appendMenu(hMenu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "POPUPMENU 1")) {
    [[maybe_unused]] const HMENU ownedByBar = hPopupMenu1.release();
  }
  for (int item = 1; item <= kItems; ++item) {
    appendMenu(popup, MF_STRING, kFirstCommand - 1 + item, ("SubMenu " + std::to_string(item)).c_str());
  }
  return true;
}

Form1& Form1Instance() {
  static Form1 form;
  return form;
}

}  // namespace barbuild
