#include <new>

#include "host/activex/control_library.h"
#include "host/activex/module_lock.h"
#include "host/activex/served_object.h"

namespace host {
namespace {

// The class object of one control class.
class ClassFactory final : public ServedObject<IClassFactory> {
 public:
  explicit ClassFactory(const ControlClass& controlClass) : class_(controlClass) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IClassFactory});
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
  const ControlClass& class_;
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
