#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <new>
#include <string_view>

#include "host/runtime/error.h"
#include "host/runtime/types.h"

namespace host {

// The HRESULT that carries a control's run-time error across COM:
// MAKE_HRESULT(1, FACILITY_CONTROL, number).
HRESULT ControlErrorResult(Long number);

// A failure a COM object returned, as a run-time error: a control's error
// (FACILITY_CONTROL) keeps its number and the object's description; any
// other HRESULT becomes an error whose number is the HRESULT and whose text
// names it with the system's words.
[[noreturn]] void ThrowComError(HRESULT result, const EXCEPINFO* exception = nullptr);
inline void ThrowIfFailed(HRESULT result) {
  if (FAILED(result)) ThrowComError(result);
}

// A run-time error raised inside a member called through IDispatch, told to
// the caller as COM expects: `exception` (when given) and the thread's error
// information carry its number, description and `source`. Returns
// DISP_E_EXCEPTION. Never throws.
HRESULT ReportDispatchException(const RuntimeError& error, std::string_view source, EXCEPINFO* exception) noexcept;

// Runs the body of a dual interface's member for its vtable entry. A
// run-time error it raises is reported as above and returned as the
// control's HRESULT, which the type library's Invoke hands late-bound callers
// as DISP_E_EXCEPTION with the error's number, description and source.
template <typename Body>
HRESULT RunMember(std::string_view source, Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (const RuntimeError& error) {
    ReportDispatchException(error, source, nullptr);
    return ControlErrorResult(error.Number());
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace host
