#include "host/services/shell.h"

#include <windows.h>

#include <string>

#include "host/runtime/error.h"
#include "host/win32/message_dispatch.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

WORD ShowCommandOf(Integer windowStyle) {
  switch (windowStyle) {
    case vbHide:
      return SW_HIDE;
    case vbNormalFocus:
      return SW_SHOWNORMAL;
    case vbMinimizedFocus:
      return SW_SHOWMINIMIZED;
    case vbMaximizedFocus:
      return SW_SHOWMAXIMIZED;
    case vbNormalNoFocus:
      return SW_SHOWNOACTIVATE;
    case vbMinimizedNoFocus:
      return SW_SHOWMINNOACTIVE;
    default:
      throw RuntimeError(error_number::InvalidCall);
  }
}

}  // namespace

Long Shell(std::string_view commandLine, Integer windowStyle) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowCommandOf(windowStyle);
  std::string mutableCommand(commandLine);
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, mutableCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process) == 0) {
    throw RuntimeError(error_number::FileNotFound);
  }
  const UniqueKernelHandle processHandle(process.hProcess);
  const UniqueKernelHandle threadHandle(process.hThread);
  return static_cast<Long>(process.dwProcessId);
}

void DoEvents() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchRetrieved(message);
  }
}

std::string CurDir() {
  const DWORD length = GetCurrentDirectoryA(0, nullptr);
  std::string directory(length, '\0');
  directory.resize(GetCurrentDirectoryA(length, directory.data()));
  return directory;
}

}  // namespace host
