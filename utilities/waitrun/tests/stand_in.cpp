#include "utilities/waitrun/tests/stand_in.h"

#include <tlhelp32.h>

#include <string>

namespace waitrun::testing {

void SetStandInLifetime(DWORD milliseconds) {
  SetEnvironmentVariableA("STAND_IN_MILLISECONDS", std::to_string(milliseconds).c_str());
}

std::vector<host::UniqueKernelHandle> RunningStandIns() {
  std::vector<host::UniqueKernelHandle> standIns;
  const host::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID != GetCurrentProcessId() || lstrcmpiA(entry.szExeFile, "Calc.exe") != 0) continue;
    host::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
    if (process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) standIns.push_back(std::move(process));
  }
  return standIns;
}

void WaitForStandIns() {
  for (const host::UniqueKernelHandle& process : RunningStandIns()) WaitForSingleObject(process.get(), 10000);
}

void EndStandIns() {
  for (const host::UniqueKernelHandle& process : RunningStandIns()) {
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), 10000);
  }
}

bool HasEnded(DWORD processId) {
  const host::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  return !process || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

DWORD HandleCount() {
  // Wine's GetProcessHandleCount does not follow handles opened and closed,
  // so probe the handle values one by one.
  DWORD count = 0;
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0) ++count;
  }
  return count;
}

}  // namespace waitrun::testing
