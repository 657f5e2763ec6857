#include "e2e/launched_program.h"

// windows.h first: shellapi.h and tlhelp32.h rely on its types.
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "host/runtime/ascii_text.h"

namespace e2e {
namespace {

std::string ClassOf(HWND window) {
  std::array<char, 64> name{};
  return std::string(name.data(), GetClassNameA(window, name.data(), static_cast<int>(name.size())));
}

struct WindowSearch {
  DWORD processId;
  bool dialogsOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  if (!search.dialogsOnly || ClassOf(window) == "#32770") search.found.push_back(window);
  return TRUE;
}

}  // namespace

LaunchedProgram::LaunchedProgram(const std::string& path, const std::string& folder, const std::string& arguments,
                                 HANDLE output) {
  std::string commandLine = "\"" + path + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (output != nullptr) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
  }
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, output != nullptr, 0, nullptr, folder.c_str(),
                      &startup, &started)) {
    return;
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
}

// Gone before the next test starts, so that it finds none of this one's windows.
LaunchedProgram::~LaunchedProgram() {
  if (started() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
  }
}

DWORD LaunchedProgram::WaitForExit(DWORD timeoutMilliseconds) const {
  if (WaitForSingleObject(process_.get(), timeoutMilliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &exitCode);
  return exitCode;
}

std::string TitleOf(HWND window) {
  std::array<char, 256> title{};
  return std::string(title.data(), GetWindowTextA(window, title.data(), static_cast<int>(title.size())));
}

std::vector<HWND> VisibleTopLevelWindowsOf(DWORD processId, bool dialogsOnly) {
  WindowSearch search{processId, dialogsOnly, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> ChildProcessesOf(DWORD processId) {
  // Wine starts its session's own processes (the desktop, services, the menu
  // builder) from whichever program first needs them, and they stay.
  static constexpr std::array<std::string_view, 7> kSessionProcesses{
      "explorer.exe", "services.exe", "plugplay.exe",       "winedevice.exe",
      "svchost.exe",  "rpcss.exe",    "winemenubuilder.exe"};
  std::vector<std::string> children;
  const host::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    const std::string_view name(entry.szExeFile);
    if (entry.th32ParentProcessID != processId) continue;
    if (std::none_of(kSessionProcesses.begin(), kSessionProcesses.end(),
                     [&](std::string_view session) { return host::EqualsIgnoreCase(session, name); })) {
      children.emplace_back(name);
    }
  }
  return children;
}

// Wine answers no WM_GETICON from another process: the forms' own tests
// check that their windows show this icon.
bool CarriesAnIcon(const std::string& path) {
  HICON large = nullptr;
  HICON small = nullptr;
  const UINT extracted = ExtractIconExA(path.c_str(), 0, &large, &small, 1);
  const bool both = extracted > 0 && large != nullptr && small != nullptr;
  if (large != nullptr) DestroyIcon(large);
  if (small != nullptr) DestroyIcon(small);
  return both;
}

}  // namespace e2e
