#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <span>
#include <string>
#include <string_view>

#include "host/activex/served_object.h"
#include "host/com/com_ptr.h"
#include "host/com/variant.h"

namespace host {

// Argument `at` of a call, first first (DISPPARAMS holds them last first);
// Missing where the caller left it out.
Variant DispatchArgument(const DISPPARAMS& parameters, UINT at);

// A late-bound object with members of its own, found by name, that hands
// every other name to another object's dispatch interface (where it has one).
// Its own members are numbered below any a type library declares, so that
// the two sets never meet. A run-time error in a member reaches the caller
// as DISP_E_EXCEPTION naming `source`.
class MemberDispatch : public ServedObject<IDispatch> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept final {
    return Offer(iid, object, {IID_IDispatch});
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept final;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept final;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept final;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept final;

  static bool IsPut(WORD flags) { return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }

 protected:
  // `members` outlives the object (a constant table).
  MemberDispatch(std::span<const std::string_view> members, std::string source, ComPtr<IDispatch> forwardTo = nullptr);
  // Own member `name`, as the table spells it: a get or call, or a put whose
  // value is argument 0.
  virtual Variant Member(std::string_view name, WORD flags, const DISPPARAMS& parameters) = 0;
  void StopForwarding() { forwardTo_.Reset(); }

 private:
  std::span<const std::string_view> members_;
  std::string source_;
  ComPtr<IDispatch> forwardTo_;
};

}  // namespace host
