#include "host/controls/control.h"

#include <commctrl.h>

#include "host/forms/form.h"
#include "host/forms/tab_order.h"
#include "host/runtime/error.h"
#include "host/runtime/font_handle.h"
#include "host/services/app.h"
#include "host/services/screen.h"
#include "host/services/twips_placement.h"

namespace host {
namespace {

constexpr const char* kControlProperty = "host.control";

}  // namespace

Control::Control(Form& form, std::string name) : name_(std::move(name)) { form.RegisterBinding(name_, *this); }

Control::Control(ArrayElement, std::string name, Integer index) : name_(std::move(name)), index_(index) {}

CreationContext Control::Create(const ObjectDescription& description, const CreationContext& context) {
  const PropertyBag bag(description.properties, context.form.Name() + "." + description.name);
  const WindowTraits traits = TraitsFrom(bag);
  backColor_ = bag.ReadProperty<OleColor>("BackColor", traits.backColor);
  foreColor_ = bag.ReadProperty<OleColor>("ForeColor", traits.foreColor);
  font_ = bag.ReadProperty<host::Font>("Font", context.form.Font());
  tabIndex_ = bag.ReadProperty<Integer>("TabIndex", 0);
  DWORD style = traits.style | WS_CHILD | WS_CLIPSIBLINGS;
  if (static_cast<bool>(bag.ReadProperty<Boolean>("Visible", True))) style |= WS_VISIBLE;
  if (!static_cast<bool>(bag.ReadProperty<Boolean>("Enabled", True))) style |= WS_DISABLED;
  if (!static_cast<bool>(bag.ReadProperty<Boolean>("TabStop", True))) style &= ~static_cast<DWORD>(WS_TABSTOP);
  const std::string text = bag.ReadProperty<std::string>(bag.Contains("Text") ? "Text" : "Caption", "");
  window_ = CreateWindowExA(
      traits.extendedStyle, traits.className, text.c_str(), style, PixelsFromTwipsX(bag.ReadProperty<Long>("Left", 0)),
      PixelsFromTwipsY(bag.ReadProperty<Long>("Top", 0)), PixelsFromTwipsX(bag.ReadProperty<Long>("Width", 1215)),
      PixelsFromTwipsY(bag.ReadProperty<Long>("Height", 495)), context.parentWindow, nullptr, App().hInstance(),
      nullptr);
  if (window_ == nullptr)
    throw RuntimeError(error_number::OutOfMemory, bag.Context() + ": the window could not be created");
  parent_ = context.parentWindow;
  SetPropA(window_, kControlProperty, this);
  PlaceByTabIndex(window_, tabIndex_);
  fontHandle_ = CreateFontHandle(font_);
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), FALSE);
  toolTipText_ = bag.ReadProperty<std::string>("ToolTipText", "");
  UpdateToolTip();
  ApplySettings(bag);
  return CreationContext{context.form, window_, nullptr};
}

Control::~Control() { Control::Release(); }

void Control::Release() {
  // The parent window destroys the child window itself.
  if (window_ != nullptr && IsWindow(window_)) {
    RemovePropA(window_, kControlProperty);
    ForgetTabIndex(window_);
  }
  window_ = nullptr;
  toolTip_.reset();
}

HWND Control::hWnd() const {
  if (window_ == nullptr) throw RuntimeError(error_number::ObjectRequired, name_ + " is not loaded");
  return window_;
}

Long Control::Left() const { return PlacementInTwips(hWnd()).left; }
Long Control::Top() const { return PlacementInTwips(hWnd()).top; }
Long Control::Width() const { return PlacementInTwips(hWnd()).width; }
Long Control::Height() const { return PlacementInTwips(hWnd()).height; }
void Control::Move(Long left, Long top, Long width, Long height) { MoveInTwips(hWnd(), left, top, width, height); }

bool Control::Enabled() const { return IsWindowEnabled(hWnd()) != 0; }
void Control::SetEnabled(bool enabled) { EnableWindow(hWnd(), enabled); }
bool Control::Visible() const { return (GetWindowLongA(hWnd(), GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) { ShowWindow(hWnd(), visible ? SW_SHOWNA : SW_HIDE); }

void Control::SetTabIndex(Integer tabIndex) {
  tabIndex_ = tabIndex;
  MoveToTabIndex(hWnd(), tabIndex);
}

void Control::SetFont(const host::Font& font) {
  font_ = font;
  // The window lets go of the old font before it is deleted.
  UniqueFont handle = CreateFontHandle(font_);
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(handle.get()), TRUE);
  fontHandle_ = std::move(handle);
}

void Control::SetBackColor(OleColor color) {
  backColor_ = color;
  backBrush_.reset();
  InvalidateRect(hWnd(), nullptr, TRUE);
}

void Control::SetForeColor(OleColor color) {
  foreColor_ = color;
  InvalidateRect(hWnd(), nullptr, TRUE);
}

void Control::SetToolTipText(std::string_view text) {
  toolTipText_ = text;
  UpdateToolTip();
}

void Control::Refresh() {
  InvalidateRect(hWnd(), nullptr, TRUE);
  UpdateWindow(hWnd());
}

void Control::UpdateToolTip() {
  if (toolTipText_.empty()) {
    toolTip_.reset();
    return;
  }
  if (!toolTip_) {
    toolTip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                   parent_, nullptr, App().hInstance(), nullptr));
  }
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = toolTipText_.data();
  SendMessageA(toolTip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(toolTip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

Control* Control::FromWindow(HWND window) { return static_cast<Control*>(GetPropA(window, kControlProperty)); }

std::optional<LRESULT> Control::RouteFromParent(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // lParam is 0 for menus and accelerators, which are the form's own.
      if (Control* child = lParam != 0 ? FromWindow(reinterpret_cast<HWND>(lParam)) : nullptr) {
        child->OnCommand(HIWORD(wParam));
        return 0;
      }
      return std::nullopt;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (Control* child = FromWindow(reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(child->OnControlColor(reinterpret_cast<HDC>(wParam)));
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

HBRUSH Control::OnControlColor(HDC dc) {
  SetTextColor(dc, TranslateColor(foreColor_));
  SetBkColor(dc, TranslateColor(backColor_));
  if (!backBrush_) backBrush_.reset(CreateSolidBrush(TranslateColor(backColor_)));
  return backBrush_.get();
}

std::string Control::DisplayedText() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hWnd())) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Control::SetDisplayedText(std::string_view text) { ::SetWindowTextA(hWnd(), std::string(text).c_str()); }

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(hWnd(), message, wParam, lParam);
}

}  // namespace host
