#include "host/forms/program.h"

#include <windows.h>

#include "host/forms/form.h"
#include "host/forms/forms_collection.h"
#include "host/runtime/untrapped_error.h"
#include "host/win32/message_dispatch.h"

namespace host {
namespace {

int MessageLoop() {
  MSG message{};
  while (Forms().Count() > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchRetrieved(message);
  return 0;
}

}  // namespace

int Run(Form& startupForm) {
  RunEventHandler([&] { startupForm.Show(); });
  return MessageLoop();
}

int Run(const std::function<void()>& startupRoutine) {
  RunEventHandler(startupRoutine);
  return MessageLoop();
}

void End() {
  while (Forms().Count() > 0) Forms().Item(0).Destroy();
}

}  // namespace host
