#pragma once

#include <windows.h>

#include <vector>

#include "host/win32/unique_handle.h"

namespace waitrun::testing {

// How long the next started "Calc.exe" stand-in lives (it reads our environment).
void SetStandInLifetime(DWORD milliseconds);

// The stand-ins this process started that are still running.
std::vector<host::UniqueKernelHandle> RunningStandIns();

// Waits until every stand-in this process started has ended.
void WaitForStandIns();

// The process has ended, or is gone altogether.
bool HasEnded(DWORD processId);

// The kernel handles this process has open.
DWORD HandleCount();

}  // namespace waitrun::testing
