#include "host/activex/member_dispatch.h"

#include <utility>

#include "host/com/com_error.h"
#include "host/com/untyped_dispatch.h"
#include "host/runtime/ascii_text.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

constexpr DISPID kFirstMember = -0x4000;

}  // namespace

MemberDispatch::MemberDispatch(std::span<const std::string_view> members, std::string source,
                               ComPtr<IDispatch> forwardTo)
    : members_(members), source_(std::move(source)), forwardTo_(std::move(forwardTo)) {}

HRESULT MemberDispatch::GetTypeInfoCount(UINT* count) noexcept { return NoTypeInfoCount(count); }
HRESULT MemberDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept { return NoTypeInfo(info); }

Variant DispatchArgument(const DISPPARAMS& parameters, UINT at) {
  Variant value = Variant::Missing();
  if (at < parameters.cArgs) VariantCopyInd(value.put(), &parameters.rgvarg[parameters.cArgs - 1 - at]);
  return value;
}

HRESULT MemberDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) noexcept {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  try {
    const std::string name = AnsiFromWide(names[0]);
    for (std::size_t at = 0; at < members_.size(); ++at) {
      if (!EqualsIgnoreCase(members_[at], name)) continue;
      ids[0] = kFirstMember - static_cast<DISPID>(at);
      for (UINT named = 1; named < count; ++named) ids[named] = DISPID_UNKNOWN;
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  if (!forwardTo_) {
    for (UINT named = 0; named < count; ++named) ids[named] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  return forwardTo_->GetIDsOfNames(iid, names, count, locale, ids);
}

HRESULT MemberDispatch::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                               EXCEPINFO* exception, UINT* argumentError) noexcept {
  // Both live through the call, which may end what they belong to.
  const ComPtr<IDispatch> self(this);
  const bool own = id <= kFirstMember && id > kFirstMember - static_cast<DISPID>(members_.size());
  if (!own) {
    const ComPtr<IDispatch> target = forwardTo_;
    if (!target) return DISP_E_MEMBERNOTFOUND;
    return target->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
  }
  if (parameters == nullptr) return E_POINTER;
  try {
    Variant value = Member(members_[static_cast<std::size_t>(kFirstMember - id)], flags, *parameters);
    if (result != nullptr) {
      *result = *value.get();
      value.get()->vt = VT_EMPTY;  // handed over
    }
    return S_OK;
  } catch (const RuntimeError& error) {
    return ReportDispatchException(error, source_, exception);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace host
