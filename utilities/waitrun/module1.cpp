#include "utilities/waitrun/module1.h"

#include <windows.h>

#include "host/runtime/numeric.h"
#include "host/services/shell.h"
#include "host/win32/gateway.h"
#include "host/win32/bound_handles.h"

namespace waitrun {
namespace {

const host::Win32Function<decltype(::OpenProcess)> openProcess{"kernel32", "OpenProcess"};
const host::Win32Function<decltype(::WaitForSingleObject)> waitForSingleObject{"kernel32", "WaitForSingleObject"};
// A process handle released through the CloseHandle bound by name.
using ProcessHandle = host::BoundKernelHandle;

}  // namespace

host::Long LaunchAndWait(std::string_view commandLine, host::Long windowStyle, host::Form* form, bool wait) {
  const host::Long processId = host::Shell(commandLine, host::CInt(windowStyle));
  ProcessHandle process(openProcess(SYNCHRONIZE, TRUE, static_cast<DWORD>(processId)));
  if (!wait || !process) return processId;

  if (form != nullptr) form->SetEnabled(false);
  // A zero time-out poll, so that the form keeps painting between polls.
  DWORD result = WAIT_TIMEOUT;
  do {
    host::DoEvents();
    result = waitForSingleObject(process.get(), 0);
  } while (result == WAIT_TIMEOUT);
  process.reset();

  if (form != nullptr) {
    form->SetEnabled(true);
    form->ZOrder();
  }
  return processId;
}

}  // namespace waitrun
