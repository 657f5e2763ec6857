#include "host/activex/user_control_object.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "host/activex/member_dispatch.h"
#include "host/activex/window_object.h"
#include "host/runtime/error.h"

namespace host {
namespace {

constexpr std::array<std::string_view, 4> kMembers{"Print", "Cls", "CurrentX", "CurrentY"};
constexpr std::array<std::string_view, 2> kCollectionMembers{"Count", "Item"};

[[noreturn]] void ReadOnly(std::string_view name) {
  throw RuntimeError(error_number::PropertyReadOnly, std::string(name) + " can only be read");
}

class InnerControlObject final : public MemberDispatch {
 public:
  InnerControlObject(UserControl& control, ComPtr<IDispatch> publicObject)
      : MemberDispatch(kMembers, "UserControl", std::move(publicObject)), control_(control) {}

 private:
  Variant Member(std::string_view name, WORD flags, const DISPPARAMS& parameters) override {
    DrawingSurface& surface = control_.Surface();
    if (name == "Print") {
      // Each argument's text in turn, then a new line.
      std::string text;
      for (UINT at = 0; at < parameters.cArgs; ++at) text += DispatchArgument(parameters, at).ToString();
      surface.Print(text);
      return Variant();
    }
    if (name == "Cls") {
      surface.Cls();
      return Variant();
    }
    const bool x = name == "CurrentX";
    if (IsPut(flags)) {
      const auto value = static_cast<Single>(DispatchArgument(parameters, 0).ToDouble());
      x ? surface.SetCurrentX(value) : surface.SetCurrentY(value);
      return Variant();
    }
    return Variant(static_cast<double>(x ? surface.CurrentX() : surface.CurrentY()));
  }

  UserControl& control_;
};

class ConstituentControls final : public MemberDispatch {
 public:
  ConstituentControls(UserControl& control, ComPtr<IDispatch> owner)
      : MemberDispatch(kCollectionMembers, "Controls"), control_(control), owner_(std::move(owner)) {}

 private:
  Variant Member(std::string_view name, WORD flags, const DISPPARAMS& parameters) override {
    if (IsPut(flags)) ReadOnly(name);
    const DrawingSurface& surface = control_.Surface();
    if (name == "Count") return Variant(surface.ControlsCount());
    return Variant(WindowObject(surface.Controls(DispatchArgument(parameters, 0).ToLong()), "").Get());
  }

  UserControl& control_;
  ComPtr<IDispatch> owner_;
};

}  // namespace

ComPtr<IDispatch> UserControlObject(UserControl& control, ComPtr<IDispatch> publicObject) {
  ComPtr<IDispatch> object;
  object.Attach(new InnerControlObject(control, std::move(publicObject)));
  return object;
}

ComPtr<IDispatch> ConstituentControlsObject(UserControl& control, ComPtr<IDispatch> owner) {
  ComPtr<IDispatch> object;
  object.Attach(new ConstituentControls(control, std::move(owner)));
  return object;
}

}  // namespace host
