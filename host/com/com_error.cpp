#include "host/com/com_error.h"

#include <array>
#include <cstdio>
#include <string>

#include "host/com/com_ptr.h"
#include "host/win32/bstr.h"
#include "host/win32/system_message.h"

namespace host {
namespace {

std::string HexOf(HRESULT result) {
  std::array<char, 16> hex{};
  std::snprintf(hex.data(), hex.size(), "0x%08lX", static_cast<unsigned long>(result));
  return hex.data();
}

// The HRESULTs of dispatch and conversion that have a run-time error of their own.
struct KnownFailure {
  HRESULT result;
  Long number;
};
constexpr KnownFailure kKnownFailures[] = {
    {DISP_E_TYPEMISMATCH, error_number::TypeMismatch},
    {DISP_E_OVERFLOW, error_number::Overflow},
    {E_OUTOFMEMORY, error_number::OutOfMemory},
    {DISP_E_UNKNOWNNAME, error_number::MemberNotSupported},
    {DISP_E_MEMBERNOTFOUND, error_number::MemberNotSupported},
    {DISP_E_PARAMNOTOPTIONAL, error_number::ArgumentNotOptional},
    {DISP_E_BADPARAMCOUNT, error_number::WrongArgumentCount},
};

}  // namespace

HRESULT ControlErrorResult(Long number) {
  return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, static_cast<WORD>(number));
}

void ThrowComError(HRESULT result, const EXCEPINFO* exception) {
  if (exception != nullptr) {
    const HRESULT carried = exception->scode != 0 ? exception->scode : ControlErrorResult(exception->wCode);
    const BSTR wide = exception->bstrDescription;
    const std::string description = AnsiFromWide(std::wstring_view(wide, SysStringLen(wide)));
    if (HRESULT_FACILITY(carried) == FACILITY_CONTROL) {
      const auto number = static_cast<Long>(HRESULT_CODE(carried));
      throw description.empty() ? RuntimeError(number) : RuntimeError(number, description);
    }
    if (!description.empty()) throw RuntimeError(static_cast<Long>(carried), description);
    result = carried;
  }
  if (HRESULT_FACILITY(result) == FACILITY_CONTROL) throw RuntimeError(static_cast<Long>(HRESULT_CODE(result)));
  for (const KnownFailure& known : kKnownFailures) {
    if (known.result == result) throw RuntimeError(known.number);
  }
  const std::string words = SystemMessage(static_cast<DWORD>(result));
  throw RuntimeError(static_cast<Long>(result),
                     "Automation error " + HexOf(result) + (words.empty() ? std::string() : ": " + words));
}

HRESULT ReportDispatchException(const RuntimeError& error, std::string_view source, EXCEPINFO* exception) noexcept {
  try {
    const Bstr description(error.Description());
    const Bstr sourceText(source);
    if (exception != nullptr) {
      *exception = EXCEPINFO{};
      exception->scode = ControlErrorResult(error.Number());
      exception->bstrDescription = SysAllocString(description.get());
      exception->bstrSource = SysAllocString(sourceText.get());
    }
    ComPtr<ICreateErrorInfo> creator;
    if (SUCCEEDED(CreateErrorInfo(&creator))) {
      creator->SetDescription(description.get());
      creator->SetSource(sourceText.get());
      creator->SetGUID(GUID_NULL);
      ComPtr<IErrorInfo> info;
      if (SUCCEEDED(creator.As(&info))) SetErrorInfo(0, info.Get());
    }
  } catch (...) {
    // Out of memory while describing the error: the error itself still goes back.
  }
  return DISP_E_EXCEPTION;
}

}  // namespace host
