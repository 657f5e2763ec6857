#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "host/activex/served_control.h"
#include "regions/control_server.h"

namespace regions {

// The served object of a region control: it serves the control its extender
// and its events, and gives the dual interface's members their common forms.
template <typename Control, typename Dual>
class ServedRegionControl : public host::ServedControl<Control, Dual>, private ControlServer {
 protected:
  ServedRegionControl(const host::ActiveXControl::Class& description, std::string source)
      : host::ServedControl<Control, Dual>(description, std::move(source)) {
    this->Object().Serve(this);
  }
  // The control outlives this part of the object (the embedding ends it).
  ~ServedRegionControl() override { this->Object().Serve(nullptr); }

  // A property read: `read`'s value into `value`.
  template <typename Value, typename Read>
  HRESULT Get(Value* value, Read&& read) noexcept {
    if (value == nullptr) return E_POINTER;
    return this->Run([&] { *value = read(); });
  }
  // A property write, reported as a change of `property` so that the host saves it.
  template <typename Write>
  HRESULT Put(const char* property, Write&& write) noexcept {
    return this->Run([&] {
      write();
      this->Object().PropertyChanged(property);
    });
  }

 private:
  host::ComPtr<IDispatch> ExtenderObject() override { return this->Embedding().ExtenderObject(); }
  void RaiseEvent(DISPID id, std::initializer_list<host::Argument> arguments) override {
    this->Embedding().Events().Raise(id, arguments);
  }
};

}  // namespace regions
