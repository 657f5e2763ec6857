#pragma once

#include <windows.h>

#include <vector>

#include "host/win32/unique_handle.h"

namespace waitrun::testing {

// How long the next started "Calc.exe" stand-in lives (it reads our environment).
void SetStandInLifetime(DWORD milliseconds);
// A lifetime no test waits for: the test ends the stand-in itself.
inline constexpr DWORD kOutlivesTheTest = 120000;

// The stand-ins this process started that are still running.
std::vector<host::UniqueKernelHandle> RunningStandIns();

// Waits until every stand-in this process started has ended.
void WaitForStandIns();
// Ends every stand-in this process started that still runs.
void EndStandIns();

// The process has ended, or is gone altogether.
bool HasEnded(DWORD processId);

// The kernel handles this process has open.
DWORD HandleCount();

}  // namespace waitrun::testing
