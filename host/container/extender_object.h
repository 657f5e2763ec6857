#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string>

#include "host/activex/served_object.h"
#include "host/com/untyped_dispatch.h"
#include "host/com/com_ptr.h"

namespace host {

class ActiveXHost;

// A hosted control as form code and the control itself see it through its
// container: the members every control on a form has (Name, Index,
// Container, Parent, Left, Top, Width, Height, Visible, Enabled, TabIndex,
// TabStop, ToolTipText, Tag, Move), and every other name forwarded to the
// control's own dispatch interface.
class ExtenderObject final : public ServedObject<IDispatch> {
 public:
  ExtenderObject(ActiveXHost& host, ComPtr<IDispatch> control);
  // The host unloads the control: the members answer error 424 from now on.
  void Disconnect();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IDispatch});
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override { return NoTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override { return NoTypeInfo(info); }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argumentError) noexcept override;

 private:
  ActiveXHost* host_;
  ComPtr<IDispatch> control_;
};

// A window as an object with an hWnd and a Name: what a hosted control's
// extender gives for its Container and its Parent.
ComPtr<IDispatch> WindowObject(HWND window, std::string name);

}  // namespace host
