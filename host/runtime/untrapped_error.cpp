#include "host/runtime/untrapped_error.h"

#include <string>

#include "host/services/message_box.h"

namespace host {

void ReportUntrappedError(const RuntimeError& error) {
  Err().Record(error);
  MsgBox("Run-time error '" + std::to_string(error.Number()) + "':\n\n" + error.Description(), vbCritical);
}

}  // namespace host
