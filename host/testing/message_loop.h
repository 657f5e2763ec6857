#pragma once

#include <chrono>
#include <functional>

namespace host::testing {

// Dispatches this thread's messages until condition holds or the time is up;
// returns whether the condition held.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

// Waits, without dispatching anything, until a message of that number is
// queued for this thread (a timer that has come due); returns whether it came.
bool WaitUntilQueued(unsigned message, std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

// Dispatches messages for a fixed time (for "nothing happens" checks).
void PumpFor(std::chrono::milliseconds duration);

}  // namespace host::testing
