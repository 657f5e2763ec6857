#include "host/controls/line.h"

#include "host/description/property_bag.h"
#include "host/forms/form.h"
#include "host/runtime/color.h"
#include "host/services/screen.h"
#include "host/win32/dc_scope.h"

namespace host {

Line::Line(Form& form, std::string name) : name_(std::move(name)) { form.RegisterBinding(name_, *this); }

Line::Line(ArrayElement, std::string name, Integer index) : name_(std::move(name)), index_(index) {}

CreationContext Line::Create(const ObjectDescription& description, const CreationContext& context) {
  const PropertyBag bag(description.properties, context.form.Name() + "." + description.name);
  X1 = bag.ReadProperty<Long>("X1", 0);
  Y1 = bag.ReadProperty<Long>("Y1", 0);
  X2 = bag.ReadProperty<Long>("X2", 0);
  Y2 = bag.ReadProperty<Long>("Y2", 0);
  BorderColor = bag.ReadProperty<OleColor>("BorderColor", BorderColor);
  BorderWidth = bag.ReadProperty<Integer>("BorderWidth", 1);
  Visible = static_cast<bool>(bag.ReadProperty<Boolean>("Visible", True));
  form_ = &context.form;
  return context;
}

void Line::PaintOnForm(HDC dc) {
  if (!Visible) return;
  const UniquePen pen(CreatePen(PS_SOLID, BorderWidth, TranslateColor(BorderColor)));
  const SelectedObject selected(dc, pen.get());
  MoveToEx(dc, PixelsFromTwipsX(X1), PixelsFromTwipsY(Y1), nullptr);
  LineTo(dc, PixelsFromTwipsX(X2), PixelsFromTwipsY(Y2));
}

void Line::Refresh() const {
  if (form_ != nullptr) form_->Refresh();
}

}  // namespace host
