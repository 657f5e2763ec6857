#include "host/com/dispatch_call.h"

#include <vector>

#include "host/com/com_error.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

DISPID MemberId(IDispatch& object, std::string_view name) {
  const Bstr wideName(name);
  LPOLESTR names[] = {wideName.get()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    throw RuntimeError(error_number::MemberNotSupported,
                       StandardDescription(error_number::MemberNotSupported) + ": " + std::string(name));
  }
  return id;
}

// Frees what the member put into EXCEPINFO, whatever happens to the call.
struct ExceptionInfo {
  EXCEPINFO info{};
  ExceptionInfo() = default;
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;
  ~ExceptionInfo() {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
  }
};

Variant Invoke(IDispatch& object, DISPID id, WORD flags, std::vector<VARIANTARG> passed, bool namedPut) {
  DISPID putId = DISPID_PROPERTYPUT;
  // IDispatch takes its arguments last first.
  DISPPARAMS parameters{passed.empty() ? nullptr : passed.data(), namedPut ? &putId : nullptr,
                        static_cast<UINT>(passed.size()), namedPut ? 1u : 0u};
  Variant result;
  ExceptionInfo exception;
  UINT badArgument = 0;
  const HRESULT invoked = object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                        namedPut ? nullptr : result.put(), &exception.info, &badArgument);
  if (invoked == DISP_E_EXCEPTION) {
    if (exception.info.pfnDeferredFillIn != nullptr) exception.info.pfnDeferredFillIn(&exception.info);
    ThrowComError(invoked, &exception.info);
  }
  ThrowIfFailed(invoked);
  return result;
}

std::vector<VARIANTARG> LastFirst(std::initializer_list<Argument> arguments) {
  std::vector<VARIANTARG> passed;
  passed.reserve(arguments.size());
  for (auto argument = std::rbegin(arguments); argument != std::rend(arguments); ++argument) {
    passed.push_back(argument->AsPassed());
  }
  return passed;
}

}  // namespace

// The value itself is lent, not copied: DISPPARAMS does not own its arguments.
VARIANTARG Argument::AsPassed() const {
  if (byRef_ == nullptr) return value_->get();
  VARIANTARG reference;
  VariantInit(&reference);
  reference.vt = VT_BYREF | VT_VARIANT;
  reference.pvarVal = byRef_->get();
  return reference;
}

Variant GetProperty(IDispatch& object, std::string_view name, std::initializer_list<Argument> arguments) {
  return Invoke(object, MemberId(object, name), DISPATCH_PROPERTYGET, LastFirst(arguments), false);
}

void PutProperty(IDispatch& object, std::string_view name, const Variant& value) {
  const WORD flags = value.Type() == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  Invoke(object, MemberId(object, name), flags, {value.get()}, true);
}

Variant CallMethod(IDispatch& object, std::string_view name, std::initializer_list<Argument> arguments) {
  return CallMember(object, MemberId(object, name), arguments);
}

Variant CallMember(IDispatch& object, DISPID id, std::initializer_list<Argument> arguments) {
  return Invoke(object, id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, LastFirst(arguments), false);
}

}  // namespace host
