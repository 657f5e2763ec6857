#pragma once

#include <string>

#include "host/forms/bindable.h"
#include "host/runtime/types.h"

namespace host {

class Form;

// A line drawn on the form's surface (no window of its own), in twips.
class Line : public Bindable {
 public:
  Line(Form& form, std::string name);
  Line(ArrayElement, std::string name, Integer index);

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override;
  void Release() override { form_ = nullptr; }
  void PaintOnForm(HDC dc) override;

  Integer Index() const { return index_; }
  Long X1 = 0;
  Long Y1 = 0;
  Long X2 = 0;
  Long Y2 = 0;
  OleColor BorderColor = 0x80000008;
  Integer BorderWidth = 1;
  bool Visible = true;
  // Repaints the form after the members above changed.
  void Refresh() const;

 private:
  std::string name_;
  Integer index_ = -1;
  Form* form_ = nullptr;
};

}  // namespace host
