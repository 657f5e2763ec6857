#include "host/activex/window_object.h"

#include <array>
#include <string_view>
#include <utility>

#include "host/activex/member_dispatch.h"
#include "host/runtime/error.h"

namespace host {
namespace {

constexpr std::array<std::string_view, 2> kMembers{"hWnd", "Name"};

class WindowDispatch final : public MemberDispatch {
 public:
  WindowDispatch(HWND window, std::string name)
      : MemberDispatch(kMembers, "Window"), window_(window), name_(std::move(name)) {}

 private:
  Variant Member(std::string_view member, WORD flags, const DISPPARAMS&) override {
    if (IsPut(flags)) throw RuntimeError(error_number::PropertyReadOnly, std::string(member) + " can only be read");
    return member == "hWnd" ? Variant(static_cast<Long>(reinterpret_cast<LONG_PTR>(window_)))
                            : Variant(std::string_view(name_));
  }

  HWND window_;
  std::string name_;
};

}  // namespace

ComPtr<IDispatch> WindowObject(HWND window, std::string name) {
  ComPtr<IDispatch> object;
  object.Attach(new WindowDispatch(window, std::move(name)));
  return object;
}

}  // namespace host
