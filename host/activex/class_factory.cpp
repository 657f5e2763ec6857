#include <new>

#include "host/activex/control_library.h"
#include "host/activex/module_lock.h"

namespace host {
namespace {

// The class object of one control class. It lives by its reference count,
// as COM objects do, and keeps the module loaded while it lives.
class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ControlClass& controlClass) : class_(controlClass) { LockModule(); }
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (object == nullptr) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) noexcept override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return class_.create(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
    if (lock) {
      LockModule();
    } else {
      UnlockModule();
    }
    return S_OK;
  }

 private:
  ~ClassFactory() { UnlockModule(); }

  const ControlClass& class_;
  ULONG references_ = 1;
};

}  // namespace

HRESULT ServeClassObject(const ControlLibrary& library, REFCLSID classId, REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  for (const ControlClass& controlClass : library.classes) {
    if (controlClass.classId != classId) continue;
    auto* factory = new (std::nothrow) ClassFactory(controlClass);
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ServeCanUnloadNow() noexcept { return ModuleLocked() ? S_FALSE : S_OK; }

}  // namespace host
