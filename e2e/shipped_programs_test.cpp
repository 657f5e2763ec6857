#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "e2e/first_window.h"
#include "e2e/launched_program.h"

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

class ShippedProgramTest : public ::testing::TestWithParam<ShippedProgram> {};

TEST_P(ShippedProgramTest, StartsToItsFirstWindowAndClosesAsAUserClosesIt) {
  const ShippedProgram program = GetParam();
  const std::string folder = BinFolder();
  const std::string path = folder + "\\" + program.name + ".exe";
  ASSERT_TRUE(e2e::CarriesAnIcon(path)) << path;

  const e2e::FirstWindowRun run = e2e::RunToFirstWindowAndClose(path, folder, kStartTimeout);

  ASSERT_TRUE(run.started) << path;
  ASSERT_TRUE(run.showedAWindow) << program.name << " shows no window";
  EXPECT_EQ(run.title, program.title);
  EXPECT_EQ(run.asked, program.asksBeforeClosing);
  EXPECT_EQ(run.exitCode, 0u) << "STILL_ACTIVE (259): still running after its window was closed";
  EXPECT_EQ(run.leftChildProcesses, std::vector<std::string>{}) << "nothing started is left behind";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ShippedProgramTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
