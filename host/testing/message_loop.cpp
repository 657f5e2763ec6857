#include "host/testing/message_loop.h"

#include <windows.h>

#include "host/win32/message_dispatch.h"

namespace host::testing {
namespace {

void DispatchPending() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0) DispatchRetrieved(message);
}

}  // namespace

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    DispatchPending();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

bool WaitUntilQueued(unsigned message, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  MSG queued{};
  while (PeekMessageA(&queued, nullptr, message, message, PM_NOREMOVE) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(5);
  }
  return true;
}

void PumpFor(std::chrono::milliseconds duration) {
  const auto deadline = std::chrono::steady_clock::now() + duration;
  PumpUntil([&] { return std::chrono::steady_clock::now() >= deadline; }, duration + std::chrono::seconds(1));
}

}  // namespace host::testing
