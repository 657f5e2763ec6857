#include "host/forms/program.h"

#include <windows.h>

#include "host/forms/form.h"
#include "host/forms/forms_collection.h"
#include "host/runtime/untrapped_error.h"

namespace host {
namespace {

int MessageLoop() {
  MSG message{};
  while (Forms().Count() > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root != nullptr && IsDialogMessageA(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
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
