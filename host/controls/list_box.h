#pragma once

#include <string>
#include <string_view>

#include "host/controls/control.h"
#include "host/runtime/event.h"

namespace host {

class ListBox : public Control {
 public:
  using Control::Control;
  // Appends, or inserts at `index` when it is given.
  void AddItem(std::string_view item, Integer index = -1);
  void RemoveItem(Integer index);
  void Clear();
  Integer ListCount() const;
  std::string List(Integer index) const;
  // -1 when nothing is selected; setting it raises Click.
  Integer ListIndex() const;
  void SetListIndex(Integer index);
  Event<> Click;

 protected:
  WindowTraits TraitsFrom(const PropertyBag& bag) const override;
  void OnCommand(WORD notification) override;
};

}  // namespace host
