#include "host/forms/menu.h"

#include "host/description/property_bag.h"
#include "host/forms/form.h"

namespace host {

Menu::Menu(Form& form, std::string name) : name_(std::move(name)) { form.RegisterBinding(name_, *this); }

Menu::Menu(ArrayElement, std::string name, Integer index) : name_(std::move(name)), index_(index) {}

CreationContext Menu::Create(const ObjectDescription& description, const CreationContext& context) {
  const PropertyBag bag(description.properties, context.form.Name() + "." + description.name);
  caption_ = bag.ReadProperty<std::string>("Caption", "");
  parent_ = context.parentMenu;
  position_ = static_cast<UINT>(GetMenuItemCount(parent_));
  UINT flags = MF_STRING;
  UINT_PTR command = 0;
  if (!description.children.empty()) {
    popup_ = CreatePopupMenu();
    flags |= MF_POPUP;
    command = reinterpret_cast<UINT_PTR>(popup_);
    context.form.AddMenuPopup(popup_, *this);
  } else if (caption_ == "-") {
    flags = MF_SEPARATOR;
  } else {
    command = context.form.AddMenuCommand(*this);
  }
  if (static_cast<bool>(bag.ReadProperty<Boolean>("Checked", False))) flags |= MF_CHECKED;
  if (!static_cast<bool>(bag.ReadProperty<Boolean>("Enabled", True))) flags |= MF_GRAYED;
  AppendMenuA(parent_, flags, command, caption_.c_str());
  return CreationContext{context.form, context.parentWindow, popup_};
}

void Menu::Release() {
  // The menu bar goes with the form's window, its pop-ups with the bar.
  parent_ = nullptr;
  popup_ = nullptr;
}

MENUITEMINFOA Menu::ItemInfo(UINT mask) const {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  GetMenuItemInfoA(parent_, position_, TRUE, &info);
  return info;
}

void Menu::SetItemInfo(const MENUITEMINFOA& info) const { SetMenuItemInfoA(parent_, position_, TRUE, &info); }

void Menu::SetCaption(std::string_view caption) {
  caption_ = caption;
  MENUITEMINFOA info = ItemInfo(MIIM_STRING);
  info.dwTypeData = caption_.data();
  SetItemInfo(info);
}

bool Menu::Checked() const { return (ItemInfo(MIIM_STATE).fState & MFS_CHECKED) != 0; }

void Menu::SetChecked(bool checked) {
  MENUITEMINFOA info = ItemInfo(MIIM_STATE);
  info.fState = checked ? (info.fState | MFS_CHECKED) : (info.fState & ~static_cast<UINT>(MFS_CHECKED));
  SetItemInfo(info);
}

bool Menu::Enabled() const { return (ItemInfo(MIIM_STATE).fState & MFS_GRAYED) == 0; }

void Menu::SetEnabled(bool enabled) {
  MENUITEMINFOA info = ItemInfo(MIIM_STATE);
  info.fState = enabled ? (info.fState & ~static_cast<UINT>(MFS_GRAYED)) : (info.fState | MFS_GRAYED);
  SetItemInfo(info);
}

}  // namespace host
