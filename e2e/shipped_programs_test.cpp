#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: shellapi.h and tlhelp32.h rely on its types.
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "host/runtime/ascii_text.h"
#include "host/testing/message_loop.h"
#include "host/win32/unique_handle.h"

namespace {

using std::chrono::milliseconds;

struct ShippedProgram {
  const char* name;
  const char* title;
  // Closing from the window menu asks first; the user answers OK.
  bool asksBeforeClosing = false;
};

// Each program with the caption of its first window.
constexpr std::array kPrograms{
    ShippedProgram{"formwright", "Dialogwright for VB Ver. 3, 4 or 5"},
    ShippedProgram{"tinwright", "Tinwright Primer Edition"},
    ShippedProgram{"daygrid", "Size me..."},
    ShippedProgram{"chronoset", "Form1"},
    ShippedProgram{"spinglyph", "Form1"},
    ShippedProgram{"latchwire", "> Clickme here <"},
    ShippedProgram{"classwarden", "Form1"},
    ShippedProgram{"capstrip", "Form1", true},
    ShippedProgram{"barbuild", "Form1"},
    ShippedProgram{"alertspot", "Form1"},
    ShippedProgram{"boxdress", "Form1"},
    ShippedProgram{"ttyhost", "Form1"},
    ShippedProgram{"waitrun", "Form1"},
    // Beside Regions.ocx, which its manifest names: no registration needed.
    ShippedProgram{"shapetrial", "Form1"},
};

// Generous: a first start of a program under Wine may take seconds.
constexpr milliseconds kStartTimeout{30000};

// The programs lie in bin/ beside the tests' folder, where the build puts them.
std::string BinFolder() {
  std::array<char, MAX_PATH> full{};
  GetFullPathNameA("..\\bin", static_cast<DWORD>(full.size()), full.data(), nullptr);
  return full.data();
}

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

// The process's visible top-level windows; only its dialog boxes with `dialogsOnly`.
std::vector<HWND> VisibleTopLevelWindowsOf(DWORD processId, bool dialogsOnly = false) {
  WindowSearch search{processId, dialogsOnly, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Ends the program should the test give up on it: a running program would
// keep the test runner's output open.
class EndsWithTheTest {
 public:
  explicit EndsWithTheTest(HANDLE process) : process_(process) {}
  EndsWithTheTest(const EndsWithTheTest&) = delete;
  EndsWithTheTest& operator=(const EndsWithTheTest&) = delete;
  ~EndsWithTheTest() {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
  }

 private:
  HANDLE process_;
};

// The processes the program started, by file name. Wine starts its session's
// own processes (the desktop, services) from whichever program first needs
// them, and they stay: those are not the program's.
std::vector<std::string> ChildProcessesOf(DWORD processId) {
  static constexpr std::array<std::string_view, 7> kSessionProcesses{
      "explorer.exe", "services.exe", "plugplay.exe", "winedevice.exe", "svchost.exe", "rpcss.exe", "winemenubuilder.exe"};
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

std::string TitleOf(HWND window) {
  std::array<char, 256> title{};
  return std::string(title.data(), GetWindowTextA(window, title.data(), static_cast<int>(title.size())));
}

// The icons the program file carries, as a file browser shows them. (Wine
// answers no WM_GETICON from another process: the forms' own tests check
// that their windows show this icon.)
bool CarriesAnIcon(const std::string& path) {
  HICON large = nullptr;
  HICON small = nullptr;
  const UINT extracted = ExtractIconExA(path.c_str(), 0, &large, &small, 1);
  const bool both = extracted > 0 && large != nullptr && small != nullptr;
  if (large != nullptr) DestroyIcon(large);
  if (small != nullptr) DestroyIcon(small);
  return both;
}

class ShippedProgramTest : public ::testing::TestWithParam<ShippedProgram> {};

TEST_P(ShippedProgramTest, StartsToItsFirstWindowAndClosesAsAUserClosesIt) {
  const ShippedProgram program = GetParam();
  const std::string folder = BinFolder();
  const std::string path = folder + "\\" + program.name + ".exe";
  ASSERT_TRUE(CarriesAnIcon(path)) << path;
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                             &startup, &started))
      << commandLine;
  const host::UniqueKernelHandle process(started.hProcess);
  const host::UniqueKernelHandle thread(started.hThread);
  const EndsWithTheTest ending(process.get());

  std::vector<HWND> windows;
  ASSERT_TRUE(host::testing::PumpUntil(
      [&] { return !(windows = VisibleTopLevelWindowsOf(started.dwProcessId)).empty(); }, kStartTimeout))
      << program.name << " shows no window";
  const HWND first = windows.front();
  EXPECT_EQ(TitleOf(first), program.title);

  PostMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (program.asksBeforeClosing) {
    std::vector<HWND> question;
    ASSERT_TRUE(host::testing::PumpUntil(
        [&] { return !(question = VisibleTopLevelWindowsOf(started.dwProcessId, true)).empty(); }, kStartTimeout))
        << program.name << " does not ask";
    PostMessageA(question.front(), WM_COMMAND, IDOK, 0);
  }
  ASSERT_EQ(WaitForSingleObject(process.get(), static_cast<DWORD>(kStartTimeout.count())), WAIT_OBJECT_0)
      << program.name << " is still running after its window was closed";
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process.get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(VisibleTopLevelWindowsOf(started.dwProcessId).empty());
  EXPECT_EQ(ChildProcessesOf(started.dwProcessId), std::vector<std::string>{}) << "nothing started is left behind";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ShippedProgramTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
