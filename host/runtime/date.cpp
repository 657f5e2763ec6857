#include "host/runtime/date.h"

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <cmath>

#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {

Date DateFromSystemTime(const SYSTEMTIME& time) {
  SYSTEMTIME whole = time;
  whole.wMilliseconds = 0;
  double serial = 0;
  if (SystemTimeToVariantTime(&whole, &serial) == 0) throw RuntimeError(error_number::InvalidCall);
  return Date(serial);
}

SYSTEMTIME SystemTimeFromDate(Date date) {
  SYSTEMTIME time{};
  if (VariantTimeToSystemTime(date.Serial(), &time) == 0) throw RuntimeError(error_number::InvalidCall);
  return time;
}

Date Now() {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return DateFromSystemTime(time);
}

Date Today() { return Date(std::floor(Now().Serial())); }

Date TimeOfDay() {
  const double now = Now().Serial();
  return Date(now - std::floor(now));
}

std::string DateText(Date date) {
  Bstr text;
  if (FAILED(VarBstrFromDate(date.Serial(), LOCALE_USER_DEFAULT, 0, text.put()))) {
    throw RuntimeError(error_number::TypeMismatch);
  }
  return text.ToAnsi();
}

Date DateFromText(std::string_view text) {
  const Bstr wide(text);
  double serial = 0;
  if (FAILED(VarDateFromStr(wide.get(), LOCALE_USER_DEFAULT, 0, &serial))) {
    throw RuntimeError(error_number::TypeMismatch);
  }
  return Date(serial);
}

}  // namespace host
