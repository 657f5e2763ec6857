// The runtime tests' control library: one class, served, registered and
// described through its type library by the runtime, as every control
// library of ours is.
#include <windows.h>

#include <array>
#include <new>
#include <string>

#include "host/activex/control_library.h"
#include "host/activex/event_source.h"
#include "host/activex/served_object.h"
#include "host/activex/type_library_dispatch.h"
#include "host/com/com_error.h"
#include "host/runtime/error.h"
#include "host/tests/activex/probe_ids.h"
#include "RuntimeProbe.h"

namespace {

using host::testing_support::kProbeClassId;
using host::testing_support::kProbeLibraryId;

class ProbeObject final : public host::ServedObject<host::TypeLibraryDispatch<_Probe>> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IConnectionPointContainer) return Hand(static_cast<IConnectionPointContainer*>(&events_), object);
    if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) {
      return Hand(static_cast<IProvideClassInfo2*>(&events_), object);
    }
    return Offer(iid, object, {IID_IDispatch, __uuidof(_Probe)});
  }

  HRESULT STDMETHODCALLTYPE get_Caption(BSTR* value) noexcept override {
    if (value == nullptr) return E_POINTER;
    *value = SysAllocStringLen(caption_.data(), static_cast<UINT>(caption_.size()));
    return *value != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE put_Caption(BSTR value) noexcept override {
    caption_.assign(value != nullptr ? value : L"", SysStringLen(value));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Twice(LONG value, LONG* result) noexcept override {
    if (result == nullptr) return E_POINTER;
    return host::RunMember("RuntimeTests.Probe", [&] {
      if (value > 0x3FFFFFFF || value < -0x40000000) throw host::RuntimeError(host::error_number::Overflow);
      *result = 2 * value;
    });
  }
  // Raises Asked(question, answer): what the handlers leave in the answer is the answer.
  HRESULT STDMETHODCALLTYPE Ask(LONG question, LONG* answer) noexcept override {
    if (answer == nullptr) return E_POINTER;
    return host::RunMember("RuntimeTests.Probe", [&] {
      host::Variant given(host::Long{0});
      events_.Raise(1, {host::Variant(host::Long{question}), host::Argument::ByRef(given)});
      *answer = given.ToLong();
    });
  }
  HRESULT STDMETHODCALLTYPE Fail(LONG number) noexcept override {
    return host::RunMember("RuntimeTests.Probe", [&] { throw host::RuntimeError(number, "the probe failed as asked"); });
  }

 private:
  std::wstring caption_ = L"probe";
  host::EventSource events_{*static_cast<_Probe*>(this), kProbeClassId, __uuidof(__Probe)};
};

HRESULT CreateProbe(REFIID iid, void** object) {
  auto* probe = new (std::nothrow) ProbeObject;
  if (probe == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = probe->QueryInterface(iid, object);
  probe->Release();
  return result;
}

constexpr std::array kClasses{host::ControlClass{kProbeClassId, "RuntimeTests.Probe", "Probe", 30000,
                                                 OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE,
                                                 &CreateProbe}};
const host::ControlLibrary kLibrary{kProbeLibraryId, 1, 0, kClasses};

}  // namespace

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
  return host::ServeClassObject(kLibrary, classId, iid, object);
}
STDAPI DllCanUnloadNow() { return host::ServeCanUnloadNow(); }
STDAPI DllRegisterServer() { return host::RegisterControlLibrary(kLibrary); }
STDAPI DllUnregisterServer() { return host::UnregisterControlLibrary(kLibrary); }
