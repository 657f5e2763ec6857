#include "host/runtime/number_text.h"

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {

std::string CStr(Single value) {
  Bstr text;
  if (FAILED(VarBstrFromR4(value, LOCALE_USER_DEFAULT, 0, text.put()))) throw RuntimeError(error_number::TypeMismatch);
  return text.ToAnsi();
}

}  // namespace host
