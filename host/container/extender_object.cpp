#include "host/container/extender_object.h"

#include <array>
#include <utility>

#include "host/com/com_error.h"
#include "host/com/untyped_dispatch.h"
#include "host/com/variant.h"
#include "host/container/activex_host.h"
#include "host/forms/form.h"
#include "host/runtime/ascii_text.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// The extender's own members, numbered below any a control declares.
constexpr std::array<const char*, 15> kMembers{"Name",   "Index",   "Container", "Parent",   "Left",
                                               "Top",    "Width",   "Height",    "Visible",  "Enabled",
                                               "TabIndex", "TabStop", "ToolTipText", "Tag", "Move"};
constexpr DISPID kFirstMember = -0x4000;

DISPID MemberId(std::string_view name) {
  for (std::size_t at = 0; at < kMembers.size(); ++at) {
    if (EqualsIgnoreCase(kMembers[at], name)) return kFirstMember - static_cast<DISPID>(at);
  }
  return DISPID_UNKNOWN;
}

// Argument `at` of a call, first first (DISPPARAMS holds them last first);
// Missing where the caller left it out.
Variant ArgumentAt(const DISPPARAMS& parameters, UINT at) {
  Variant value = Variant::Missing();
  if (at < parameters.cArgs) VariantCopyInd(value.put(), &parameters.rgvarg[parameters.cArgs - 1 - at]);
  return value;
}

// One member of the extender: a get without arguments, a put with one value.
Variant ExtenderMember(ActiveXHost& host, DISPID id, WORD flags, const DISPPARAMS& parameters) {
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  const Variant value = put ? ArgumentAt(parameters, 0) : Variant();
  const std::string_view name = kMembers[static_cast<std::size_t>(kFirstMember - id)];
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
    host.Move(ArgumentAt(parameters, 0), ArgumentAt(parameters, 1), ArgumentAt(parameters, 2), ArgumentAt(parameters, 3));
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
    return Variant(Long{name == "Left" ? placed.left : name == "Top" ? placed.top : name == "Width" ? placed.right : placed.bottom});
  }
  if (name == "Visible") return put ? (host.SetVisible(value.ToBoolean() != False), Variant()) : Variant(Boolean(host.Visible()));
  if (name == "Enabled") return put ? (host.SetEnabled(value.ToBoolean() != False), Variant()) : Variant(Boolean(host.Enabled()));
  if (name == "TabIndex") return put ? (host.SetTabIndex(static_cast<Integer>(value.ToLong())), Variant()) : Variant(host.TabIndex());
  if (name == "TabStop") return put ? (host.SetTabStop(value.ToBoolean() != False), Variant()) : Variant(Boolean(host.TabStop()));
  if (name == "ToolTipText") return put ? (host.SetToolTipText(value.ToString()), Variant()) : Variant(host.ToolTipText());
  return put ? (host.SetTag(value.ToString()), Variant()) : Variant(host.Tag());
}

// A window's hWnd and Name, late bound.
class WindowDispatch final : public ServedObject<IDispatch> {
 public:
  WindowDispatch(HWND window, std::string name) : window_(window), name_(std::move(name)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IDispatch});
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override { return NoTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override { return NoTypeInfo(info); }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override {
    if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
    const std::string name = AnsiFromWide(names[0]);
    ids[0] = EqualsIgnoreCase(name, "hWnd") ? 1 : EqualsIgnoreCase(name, "Name") ? 2 : DISPID_UNKNOWN;
    return ids[0] == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) noexcept override {
    if ((flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) == 0) return DISP_E_MEMBERNOTFOUND;
    if (id != 1 && id != 2) return DISP_E_MEMBERNOTFOUND;
    if (result == nullptr) return S_OK;
    Variant value = id == 1 ? Variant(static_cast<Long>(reinterpret_cast<LONG_PTR>(window_))) : Variant(std::string_view(name_));
    *result = *value.get();
    value.get()->vt = VT_EMPTY;  // handed over
    return S_OK;
  }

 private:
  HWND window_;
  std::string name_;
};

}  // namespace

ComPtr<IDispatch> WindowObject(HWND window, std::string name) {
  ComPtr<IDispatch> object;
  object.Attach(new WindowDispatch(window, std::move(name)));
  return object;
}

ExtenderObject::ExtenderObject(ActiveXHost& host, ComPtr<IDispatch> control)
    : host_(&host), control_(std::move(control)) {}

void ExtenderObject::Disconnect() {
  host_ = nullptr;
  control_.Reset();
}

HRESULT ExtenderObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) noexcept {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  try {
    if (const DISPID own = MemberId(AnsiFromWide(names[0])); own != DISPID_UNKNOWN) {
      ids[0] = own;
      for (UINT at = 1; at < count; ++at) ids[at] = DISPID_UNKNOWN;
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  if (!control_) return DISP_E_UNKNOWNNAME;
  return control_->GetIDsOfNames(iid, names, count, locale, ids);
}

HRESULT ExtenderObject::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                               EXCEPINFO* exception, UINT* argumentError) noexcept {
  const bool own = id <= kFirstMember && id > kFirstMember - static_cast<DISPID>(kMembers.size());
  if (!own) {
    // Both live through the call, which may unload the form that hosts them.
    const ComPtr<IDispatch> self(this);
    const ComPtr<IDispatch> control = control_;
    if (!control) return DISP_E_MEMBERNOTFOUND;
    return control->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
  }
  if (parameters == nullptr) return E_POINTER;
  try {
    if (host_ == nullptr) throw RuntimeError(error_number::ObjectRequired);
    Variant value = ExtenderMember(*host_, id, flags, *parameters);
    if (result != nullptr) {
      *result = *value.get();
      value.get()->vt = VT_EMPTY;  // handed over
    }
    return S_OK;
  } catch (const RuntimeError& error) {
    return ReportDispatchException(error, "Extender", exception);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace host
