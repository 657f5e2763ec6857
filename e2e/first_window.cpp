#include "e2e/first_window.h"

#include <vector>

#include "e2e/launched_program.h"
#include "host/testing/message_loop.h"

namespace e2e {

FirstWindowRun RunToFirstWindowAndClose(const std::string& path, const std::string& folder,
                                        std::chrono::milliseconds timeout) {
  FirstWindowRun run;
  const LaunchedProgram program(path, folder);
  run.started = program.started();
  if (!run.started) return run;

  std::vector<HWND> windows;
  run.showedAWindow =
      host::testing::PumpUntil([&] { return !(windows = VisibleTopLevelWindowsOf(program.id())).empty(); }, timeout);
  if (!run.showedAWindow) return run;
  run.title = TitleOf(windows.front());

  const HWND first = windows.front();
  PostMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
  const auto ended = [&] { return WaitForSingleObject(program.process(), 0) == WAIT_OBJECT_0; };
  // A dialog box other than the first window, which may itself be one while it closes.
  HWND question = nullptr;
  const auto asks = [&] {
    for (const HWND dialog : VisibleTopLevelWindowsOf(program.id(), true)) {
      if (dialog != first) question = dialog;
    }
    return question != nullptr;
  };
  host::testing::PumpUntil([&] { return ended() || asks(); }, timeout);
  if (question != nullptr && !ended()) {
    run.asked = true;
    PostMessageA(question, WM_COMMAND, IDOK, 0);
  }
  run.exitCode = program.WaitForExit(static_cast<DWORD>(timeout.count()));
  run.leftChildProcesses = ChildProcessesOf(program.id());
  return run;
}

}  // namespace e2e
