#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/forms/bindable.h"
#include "host/runtime/event.h"
#include "host/runtime/types.h"

namespace host {

class Form;

// A menu declared with the form: a bar title, a pop-up, an item or a
// separator (caption "-"), alone or as an element of a menu array.
class Menu : public Bindable {
 public:
  Menu(Form& form, std::string name);
  Menu(ArrayElement, std::string name, Integer index);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override;
  void Release() override;

  const std::string& Name() const { return name_; }
  Integer Index() const { return index_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool Checked() const;
  void SetChecked(bool checked);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // The pop-up this menu opens; null for an item.
  HMENU SubMenu() const { return popup_; }

  Event<> Click;

 private:
  MENUITEMINFOA ItemInfo(UINT mask) const;
  void SetItemInfo(const MENUITEMINFOA& info) const;

  std::string name_;
  Integer index_ = -1;
  std::string caption_;
  HMENU parent_ = nullptr;
  UINT position_ = 0;
  HMENU popup_ = nullptr;
};

}  // namespace host
