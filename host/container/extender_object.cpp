#include "host/container/extender_object.h"

#include <array>
#include <utility>

#include "host/com/variant.h"
#include "host/activex/window_object.h"
#include "host/container/activex_host.h"
#include "host/forms/form.h"
#include "host/runtime/error.h"

namespace host {
namespace {

// The extender's own members.
constexpr std::array<std::string_view, 15> kMembers{"Name",     "Index",   "Container",   "Parent",  "Left",
                                                    "Top",      "Width",   "Height",      "Visible", "Enabled",
                                                    "TabIndex", "TabStop", "ToolTipText", "Tag",     "Move"};

// One member of the extender: a get without arguments, a put with one value.
Variant ExtenderMember(ActiveXHost& host, std::string_view name, WORD flags, const DISPPARAMS& parameters,
                       const Variant& value) {
  const bool put = MemberDispatch::IsPut(flags);
  const auto readOnly = [&] {
    if (put) throw RuntimeError(error_number::PropertyReadOnly, std::string(name) + " can only be read");
  };
  if (name == "Name") return readOnly(), Variant(std::string_view(host.Name()));
  if (name == "Index") return readOnly(), Variant(host.Index());
  if (name == "Container") return readOnly(), Variant(WindowObject(host.ContainerWindow(), "").Get());
  if (name == "Parent") {
    readOnly();
    Form& form = host.ParentForm();
    return Variant(WindowObject(form.hWnd(), form.Name()).Get());
  }
  if (name == "Move") {
    host.Move(DispatchArgument(parameters, 0), DispatchArgument(parameters, 1), DispatchArgument(parameters, 2),
              DispatchArgument(parameters, 3));
    return Variant();
  }
  if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
    if (put) {
      const Variant missing = Variant::Missing();
      host.Move(name == "Left" ? value : missing, name == "Top" ? value : missing, name == "Width" ? value : missing,
                name == "Height" ? value : missing);
      return Variant();
    }
    const RECT placed = host.PlacementTwips();
    return Variant(Long{name == "Left"    ? placed.left
                        : name == "Top"   ? placed.top
                        : name == "Width" ? placed.right
                                          : placed.bottom});
  }
  if (name == "Visible")
    return put ? (host.SetVisible(value.ToBoolean() != False), Variant()) : Variant(Boolean(host.Visible()));
  if (name == "Enabled")
    return put ? (host.SetEnabled(value.ToBoolean() != False), Variant()) : Variant(Boolean(host.Enabled()));
  if (name == "TabIndex")
    return put ? (host.SetTabIndex(static_cast<Integer>(value.ToLong())), Variant()) : Variant(host.TabIndex());
  if (name == "TabStop")
    return put ? (host.SetTabStop(value.ToBoolean() != False), Variant()) : Variant(Boolean(host.TabStop()));
  if (name == "ToolTipText")
    return put ? (host.SetToolTipText(value.ToString()), Variant()) : Variant(host.ToolTipText());
  return put ? (host.SetTag(value.ToString()), Variant()) : Variant(host.Tag());
}

}  // namespace

ExtenderObject::ExtenderObject(ActiveXHost& host, ComPtr<IDispatch> control)
    : MemberDispatch(kMembers, "Extender", std::move(control)), host_(&host) {}

void ExtenderObject::Disconnect() {
  host_ = nullptr;
  StopForwarding();
}

Variant ExtenderObject::Member(std::string_view name, WORD flags, const DISPPARAMS& parameters) {
  if (host_ == nullptr) throw RuntimeError(error_number::ObjectRequired);
  return ExtenderMember(*host_, name, flags, parameters, IsPut(flags) ? DispatchArgument(parameters, 0) : Variant());
}

}  // namespace host
