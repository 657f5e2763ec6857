// Starts every program of an unpacked release as a user would: a windowed
// program to its first window, then closed from that window's menu; a console
// program with --version, which must name the release's version. Prints one
// line per program; exits 1 if any program failed, or if there was none.
#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "e2e/first_window.h"
#include "e2e/launched_program.h"
#include "host/win32/unique_handle.h"

namespace {

constexpr std::chrono::milliseconds kTimeout{30000};

std::vector<std::string> ProgramsIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "\\*.exe").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// A console program's type has no Windows version in its high word.
bool IsConsoleProgram(const std::string& path) {
  return HIWORD(SHGetFileInfoA(path.c_str(), 0, nullptr, 0, SHGFI_EXETYPE)) == 0;
}

std::string Stem(const std::string& name) { return name.substr(0, name.rfind('.')); }

// What a program showed, or why it failed.
struct Outcome {
  bool passed;
  std::string detail;
};

Outcome Failed(std::string why) { return {false, std::move(why)}; }

Outcome CheckWindowedProgram(const std::string& path, const std::string& folder) {
  if (!e2e::CarriesAnIcon(path)) return Failed("carries no icon");
  const e2e::FirstWindowRun run = e2e::RunToFirstWindowAndClose(path, folder, kTimeout);
  if (!run.started) return Failed("does not start");
  if (!run.showedAWindow) return Failed("shows no window");
  if (run.exitCode == STILL_ACTIVE) return Failed("still runs after \"" + run.title + "\" was closed");
  if (run.exitCode != 0) return Failed("ends with exit code " + std::to_string(run.exitCode));
  if (!run.leftChildProcesses.empty()) return Failed("leaves processes behind");
  return {true, "\"" + run.title + "\"" + (run.asked ? ", asked before closing" : "")};
}

Outcome CheckConsoleProgram(const std::string& path, const std::string& folder, const std::string& version) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return Failed("no pipe for its output");
  const host::UniqueKernelHandle reader(readEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  std::string output;
  DWORD exitCode = STILL_ACTIVE;
  {
    host::UniqueKernelHandle writer(writeEnd);
    const e2e::LaunchedProgram program(path, folder, "--version", writer.get());
    if (!program.started()) return Failed("does not start");
    writer.reset();  // the program's copy alone keeps the pipe open
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
    exitCode = program.WaitForExit(static_cast<DWORD>(kTimeout.count()));
  }
  output = output.substr(0, output.find_first_of("\r\n"));
  const std::string expected = Stem(path.substr(path.rfind('\\') + 1)) + " " + version + " ";
  if (exitCode != 0) return Failed("--version ends with exit code " + std::to_string(exitCode));
  if (output.rfind(expected, 0) != 0)
    return Failed("--version answers \"" + output + "\", not \"" + expected + "...\"");
  return {true, "\"" + output + "\""};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: unpacked_programs_check FOLDER VERSION\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string version = argv[2];
  const std::vector<std::string> programs = ProgramsIn(folder);
  int failures = programs.empty() ? 1 : 0;
  if (programs.empty()) std::printf("FAIL no program in %s\n", folder.c_str());
  for (const std::string& name : programs) {
    const std::string path = std::string(folder).append("\\").append(name);
    const bool console = IsConsoleProgram(path);
    const Outcome outcome = console ? CheckConsoleProgram(path, folder, version) : CheckWindowedProgram(path, folder);
    std::printf("%s %s (%s): %s\n", outcome.passed ? "ok  " : "FAIL", name.c_str(), console ? "console" : "windowed",
                outcome.detail.c_str());
    std::fflush(stdout);
    if (!outcome.passed) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
