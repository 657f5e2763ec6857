// The runtime tests' control library: the tests' probe user control, served,
// registered and described through its type library by the runtime, as
// every control library of ours is.
#include <windows.h>

#include <array>
#include <new>
#include <string>

#include "host/activex/control_library.h"
#include "host/activex/served_control.h"
#include "host/com/dispatch_call.h"
#include "host/runtime/error.h"
#include "host/tests/activex/probe_ids.h"
#include "host/tests/probe_control.h"
#include "host/win32/bstr.h"
#include "RuntimeProbe.h"

namespace {

using host::testing_support::kProbeClassId;
using host::testing_support::kProbeEventsId;
using host::testing_support::kProbeLibraryId;
using host::testing_support::Probe;

constexpr DWORD kProbeMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;

HRESULT TextOut(const std::string& text, BSTR* value) {
  if (value == nullptr) return E_POINTER;
  *value = host::Bstr(text).release();
  return *value != nullptr ? S_OK : E_OUTOFMEMORY;
}

class ProbeObject final : public host::ServedControl<Probe, _Probe> {
 public:
  ProbeObject() : ServedControl({kProbeClassId, kProbeEventsId, kProbeMiscStatus}, "RuntimeTests.Probe") {
    Object().Asked.Connect([this](host::Long question, host::Long& answer) {
      host::Variant given(answer);
      Embedding().Events().Raise(1, {host::Variant(question), host::Argument::ByRef(given)});
      answer = given.ToLong();
    });
  }

  HRESULT STDMETHODCALLTYPE get_Caption(BSTR* value) noexcept override { return TextOut(Object().caption, value); }
  HRESULT STDMETHODCALLTYPE put_Caption(BSTR value) noexcept override {
    return Run([&] { Object().SetCaption(host::AnsiFromWide(value != nullptr ? value : L"")); });
  }
  HRESULT STDMETHODCALLTYPE Twice(LONG value, LONG* result) noexcept override {
    if (result == nullptr) return E_POINTER;
    return Run([&] {
      if (value > 0x3FFFFFFF || value < -0x40000000) throw host::RuntimeError(host::error_number::Overflow);
      *result = 2 * value;
    });
  }
  // Raises Asked(question, answer): what the handlers leave in the answer is the answer.
  HRESULT STDMETHODCALLTYPE Ask(LONG question, LONG* answer) noexcept override {
    if (answer == nullptr) return E_POINTER;
    return Run([&] { *answer = Object().Ask(question); });
  }
  HRESULT STDMETHODCALLTYPE Fail(LONG number) noexcept override {
    return Run([&] { throw host::RuntimeError(number, "the probe failed as asked"); });
  }
  HRESULT STDMETHODCALLTYPE get_UserMode(VARIANT_BOOL* value) noexcept override {
    if (value == nullptr) return E_POINTER;
    *value = Object().Ambient().UserMode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  // Read as the region controls read it: Container.hWnd through the extender.
  HRESULT STDMETHODCALLTYPE get_ContainerWindow(LONG_PTR* value) noexcept override {
    if (value == nullptr) return E_POINTER;
    return Run([&] {
      host::ComPtr<IDispatch> container;
      container.Attach(host::GetProperty(*Embedding().ExtenderObject().Get(), "Container").ToObject());
      if (!container) throw host::RuntimeError(host::error_number::ObjectRequired);
      *value = host::GetProperty(*container.Get(), "hWnd").ToLong();
    });
  }
  HRESULT STDMETHODCALLTYPE get_Picture(IPictureDisp** value) noexcept override {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    return Object().picture ? Object().picture.CopyTo(value) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Events(BSTR* value) noexcept override {
    std::string log;
    for (const std::string& event : Object().events) log += event + "\n";
    return TextOut(log, value);
  }
};

constexpr std::array kClasses{host::ControlClass{kProbeClassId, "RuntimeTests.Probe", "Probe", 30000, kProbeMiscStatus,
                                                 &host::CreateServedObject<ProbeObject>}};
const host::ControlLibrary kLibrary{kProbeLibraryId, 1, 0, kClasses};

}  // namespace

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
  return host::ServeClassObject(kLibrary, classId, iid, object);
}
STDAPI DllCanUnloadNow() { return host::ServeCanUnloadNow(); }
STDAPI DllRegisterServer() { return host::RegisterControlLibrary(kLibrary); }
STDAPI DllUnregisterServer() { return host::UnregisterControlLibrary(kLibrary); }
