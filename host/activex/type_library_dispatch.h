#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include "host/com/com_ptr.h"

namespace host {

// The description of `interfaceId` in the type library this module carries
// (resource TYPELIB 1); null when the module carries none or it lacks the
// interface.
ComPtr<ITypeInfo> ModuleTypeInfo(REFGUID interfaceId);

// IDispatch for an object whose default interface `Dual` is dual: names,
// identifiers and calls are answered from the interface's description in the
// module's type library, so that late-bound callers reach the same members
// as early-bound ones.
template <typename Dual>
class TypeLibraryDispatch : public Dual {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    if (count == nullptr) return E_POINTER;
    *count = typeInfo_ ? 1 : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0 || !typeInfo_) return DISP_E_BADINDEX;
    return typeInfo_.CopyTo(info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override {
    if (!typeInfo_) return E_UNEXPECTED;
    return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argumentError) noexcept override {
    if (!typeInfo_) return E_UNEXPECTED;
    return DispInvoke(static_cast<Dual*>(this), typeInfo_.Get(), member, flags, parameters, result, exception,
                      argumentError);
  }

 protected:
  TypeLibraryDispatch() : typeInfo_(ModuleTypeInfo(__uuidof(Dual))) {}

 private:
  ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace host
