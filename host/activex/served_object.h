#pragma once

#include <windows.h>

#include <initializer_list>

#include "host/activex/module_lock.h"

namespace host {

// The life of a COM object this module serves: it starts with one reference,
// for its maker to hand on or release, is deleted with its last one, and
// keeps the module loaded while it lives. `Primary` is the interface that
// stands for the object's IUnknown.
template <typename Primary>
class ServedObject : public Primary {
 public:
  ServedObject(const ServedObject&) = delete;
  ServedObject& operator=(const ServedObject&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) {
      // What the destructor calls may take and drop references again.
      references_ = 1;
      delete this;
    }
    return left;
  }

 protected:
  ServedObject() { LockModule(); }
  virtual ~ServedObject() { UnlockModule(); }

  // QueryInterface answered with the primary interface for IUnknown and for
  // each of `offered`.
  HRESULT Offer(REFIID iid, void** object, std::initializer_list<IID> offered) noexcept {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown) {
      bool found = false;
      for (const IID& one : offered) found = found || one == iid;
      if (!found) return E_NOINTERFACE;
    }
    return Hand(static_cast<Primary*>(this), object);
  }
  // QueryInterface's answer with one of the object's other interfaces.
  HRESULT Hand(IUnknown* offered, void** object) noexcept {
    *object = offered;
    AddRef();
    return S_OK;
  }

 private:
  ULONG references_ = 1;
};

}  // namespace host
