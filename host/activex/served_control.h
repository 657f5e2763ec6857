#pragma once

#include <string>
#include <utility>

#include "host/activex/activex_control.h"
#include "host/activex/served_object.h"
#include "host/activex/type_library_dispatch.h"
#include "host/com/com_error.h"

namespace host {

// The served object of a user control class `Control` whose default
// interface is the dual `Dual`. A library derives one class per control from
// it and writes `Dual`'s members, each running its body through Run so that
// run-time errors reach the caller as the control's errors:
//
//   HRESULT STDMETHODCALLTYPE put_Caption(BSTR value) noexcept override {
//     return Run([&] { Object().SetCaption(AnsiFromWide(value)); });
//   }
template <typename Control, typename Dual>
class ServedControl : public ServedObject<TypeLibraryDispatch<Dual>> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Dual)) {
      return this->Offer(iid, object, {IID_IDispatch, __uuidof(Dual)});
    }
    return control_.Find(iid, object);
  }

 protected:
  // `source` names the class in the errors it reports ("Library.Class").
  ServedControl(const ActiveXControl::Class& description, std::string source)
      : control_(*this, description, MakeUserControl<Control>()), source_(std::move(source)) {}

  Control& Object() const { return static_cast<Control&>(control_.Control()); }
  ActiveXControl& Embedding() { return control_; }
  template <typename Body>
  HRESULT Run(Body&& body) noexcept {
    return RunMember(source_, std::forward<Body>(body));
  }
  // Hands out an object that `make` builds over the user control and this
  // object's own dispatch (as ThisObject and Controls are).
  HRESULT OverSelf(IDispatch** value, ComPtr<IDispatch> (*make)(UserControl&, ComPtr<IDispatch>)) noexcept {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    ComPtr<IDispatch> self;
    if (const HRESULT result = QueryInterface(IID_PPV_ARGS(&self)); FAILED(result)) return result;
    return Run([&] { *value = make(Object(), self).Detach(); });
  }

 private:
  ActiveXControl control_;
  std::string source_;
};

}  // namespace host
