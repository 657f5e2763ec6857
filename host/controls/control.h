#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "host/description/property_bag.h"
#include "host/forms/bindable.h"
#include "host/runtime/color.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/win32/unique_handle.h"

namespace host {

class Form;

// An intrinsic control: a real Win32 child window created from its block in
// the form description. The form's window owns the child window; the object
// forgets it when the form unloads.
class Control : public Bindable {
 public:
  // A control the form binds by name.
  Control(Form& form, std::string name);
  // An element of a control array.
  Control(ArrayElement, std::string name, Integer index);
  // Unhooks the window, which may outlive the object while its form unloads.
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override;
  void Release() override;

  const std::string& Name() const { return name_; }
  // The element's index; -1 for a control outside any array.
  Integer Index() const { return index_; }
  HWND hWnd() const;

  // Position and size in twips, relative to the container.
  Long Left() const;
  Long Top() const;
  Long Width() const;
  Long Height() const;
  void Move(Long left, Long top, Long width, Long height);

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  Integer TabIndex() const { return tabIndex_; }
  // Moves the window in the tab (z) order to the given place among its siblings.
  void SetTabIndex(Integer tabIndex);
  const host::Font& Font() const { return font_; }
  void SetFont(const host::Font& font);
  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor color);
  OleColor ForeColor() const { return foreColor_; }
  void SetForeColor(OleColor color);
  const std::string& ToolTipText() const { return toolTipText_; }
  void SetToolTipText(std::string_view text);
  // Repaints the control now rather than when the message loop gets to it.
  void Refresh();

  static Control* FromWindow(HWND window);
  // A parent window's share of its children's messages, the same for forms,
  // frames and user controls: a child's WM_COMMAND notification raises its
  // events, WM_CTLCOLOR* colours it. Nothing for any other message or a child
  // that is not ours, so the message goes on to the default handling.
  static std::optional<LRESULT> RouteFromParent(UINT message, WPARAM wParam, LPARAM lParam);
  virtual HBRUSH OnControlColor(HDC dc);

 protected:
  struct WindowTraits {
    const char* className;
    DWORD style;
    DWORD extendedStyle;
    OleColor backColor;
    OleColor foreColor;
  };
  virtual WindowTraits TraitsFrom(const PropertyBag& bag) const = 0;
  // Settings beyond the common ones, read after the window exists.
  virtual void ApplySettings(const PropertyBag& /*bag*/) {}
  virtual void OnCommand(WORD /*notification*/) {}

  std::string DisplayedText() const;
  void SetDisplayedText(std::string_view text);
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 private:
  void UpdateToolTip();

  std::string name_;
  Integer index_ = -1;
  HWND window_ = nullptr;
  HWND parent_ = nullptr;
  Integer tabIndex_ = 0;
  host::Font font_;
  UniqueFont fontHandle_;
  OleColor backColor_ = vbButtonFace;
  OleColor foreColor_ = vbButtonText;
  UniqueBrush backBrush_;
  std::string toolTipText_;
  UniqueWindow toolTip_;
};

// Controls whose text is their `Caption`.
class CaptionedControl : public Control {
 public:
  using Control::Control;
  std::string Caption() const { return DisplayedText(); }
  void SetCaption(std::string_view caption) { SetDisplayedText(caption); }
};

}  // namespace host
