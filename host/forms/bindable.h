#pragma once

#include <windows.h>

#include <string_view>

#include "host/description/form_text.h"

namespace host {

class Form;

// Where an object of a form description is created: its form, the window
// that becomes its parent and, for menus, the menu it is appended to.
struct CreationContext {
  Form& form;
  HWND parentWindow;
  HMENU parentMenu;
};

// An object a form creates, by name, from its description when it loads:
// a control, a control array, a menu item or a hosted user control.
class Bindable {
 public:
  virtual ~Bindable() = default;
  // Creates the object; returns the context for the objects nested in it.
  virtual CreationContext Create(const ObjectDescription& description, const CreationContext& context) = 0;
  // The form unloads: the object lets go of what it created.
  virtual void Release() = 0;

  // Notifications from the form, for the objects that care.
  // Every object of the description exists; Form_Load comes next.
  virtual void FormObjectsCreated() {}
  virtual void FormShown() {}
  virtual void FormHidden() {}
  virtual void FormAmbientChanged(std::string_view /*propertyName*/) {}
  virtual void PaintOnForm(HDC /*dc*/) {}
};

// The tag that makes a control an element of a control array.
struct ArrayElement {};

}  // namespace host
