#pragma once

#include <windows.h>
// windows.h first: ole2.h relies on its types.
#include <ole2.h>

#include "host/runtime/error.h"

namespace host {

// OLE started on this thread for as long as the session lives: hosting
// ActiveX controls and drag and drop need it. Sessions nest.
class OleSession {
 public:
  OleSession() {
    if (FAILED(OleInitialize(nullptr))) throw RuntimeError(error_number::InternalError, "OLE could not be started");
  }
  ~OleSession() { OleUninitialize(); }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
};

}  // namespace host
