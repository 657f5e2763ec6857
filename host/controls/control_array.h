#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/description/property_bag.h"
#include "host/forms/bindable.h"
#include "host/forms/form.h"
#include "host/runtime/error.h"
#include "host/runtime/event.h"

namespace host {

// Controls (or menus) sharing one name, told apart by `Index`. The elements
// are the blocks of that name in the form description; a handler connected
// to the array receives the element's Index before the event's arguments.
//
//   ControlArray<CheckBox> Check1{*this, "Check1"};
//   Check1.On(&CheckBox::Click, [this](Integer Index) { Check1_Click(Index); });
template <typename Element>
class ControlArray : public Bindable {
 public:
  ControlArray(Form& form, std::string name) : name_(std::move(name)) { form.RegisterBinding(name_, *this); }

  // Raises error 340 when no element has that index.
  Element& operator()(Integer index) const {
    const auto found = elements_.find(index);
    if (found == elements_.end()) {
      throw RuntimeError(error_number::ControlArrayElementMissing,
                         "Control array element '" + std::to_string(index) + "' doesn't exist");
    }
    return *found->second;
  }
  Integer Count() const { return static_cast<Integer>(elements_.size()); }
  Integer LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  Integer UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

  template <typename... Args, typename Handler>
  void On(Event<Args...> Element::*event, Handler handler) {
    connectors_.push_back([event, handler](Element& element) {
      const Integer index = element.Index();
      (element.*event).Connect([handler, index](Args... args) { handler(index, args...); });
    });
  }

  // Runs `connect` on every element as it is created, before it loads.
  void ForEachCreated(std::function<void(Element&)> connect) { connectors_.push_back(std::move(connect)); }

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override {
    const PropertyBag bag(description.properties, context.form.Name() + "." + description.name);
    const Integer index = bag.ReadProperty<Integer>("Index", 0);
    auto element = std::make_unique<Element>(ArrayElement{}, name_, index);
    for (const auto& connect : connectors_) connect(*element);
    const CreationContext inner = element->Create(description, context);
    elements_[index] = std::move(element);
    return inner;
  }

  // The elements stay alive until the next unload: the form may be unloading
  // from inside one of their own event handlers.
  void Release() override {
    for (auto& [index, element] : elements_) element->Release();
    unloaded_ = std::move(elements_);
    elements_.clear();
  }

  void FormObjectsCreated() override {
    for (auto& [index, element] : elements_) element->FormObjectsCreated();
  }
  void FormShown() override {
    for (auto& [index, element] : elements_) element->FormShown();
  }
  void FormHidden() override {
    for (auto& [index, element] : elements_) element->FormHidden();
  }
  void FormAmbientChanged(std::string_view propertyName) override {
    for (auto& [index, element] : elements_) element->FormAmbientChanged(propertyName);
  }
  void PaintOnForm(HDC dc) override {
    for (auto& [index, element] : elements_) element->PaintOnForm(dc);
  }

 private:
  std::string name_;
  std::map<Integer, std::unique_ptr<Element>> elements_;
  std::map<Integer, std::unique_ptr<Element>> unloaded_;
  std::vector<std::function<void(Element&)>> connectors_;
};

}  // namespace host
