#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "host/testing/message_loop.h"
#include "shapetrial/tests/started_program.h"
#include "shapetrial/tests/window_shapes.h"

namespace shapetrial::testing {
namespace {

// Runs after Regions.ocx has been unregistered from the test prefix.
TEST(WithoutRegistration, RunsBesideTheLibraryThroughItsManifest) {
  const StartedProgram program(BinFolder() + "\\shapetrial.exe", BinFolder());
  const HWND form1 = program.WaitForWindow("Form1");
  ASSERT_NE(form1, nullptr);
  const std::vector<HWND> bigEllipse = ControlWindows(form1, 3012, 3552);
  ASSERT_EQ(bigEllipse.size(), 1u);
  EXPECT_TRUE(ShowsExactly(bigEllipse.front(), ShapeOf(Shape::Ellipse, 3012, 3552)));
  EXPECT_EQ(program.AnswerMessageBoxes(), std::vector<std::string>{});
}

// A copy of the program alone in a folder of its own finds the library nowhere.
TEST(WithoutRegistration, AloneItSaysOnceHowToRegisterTheLibraryAndEnds) {
  const std::string folder = BinFolder() + "\\..\\tests\\shapetrial-alone";
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((BinFolder() + "\\shapetrial.exe").c_str(), (folder + "\\shapetrial.exe").c_str(), FALSE));
  const StartedProgram program(folder + "\\shapetrial.exe", folder);
  std::vector<std::string> boxes;
  const auto answer = [&] {
    for (std::string& text : program.AnswerMessageBoxes()) boxes.push_back(std::move(text));
  };
  EXPECT_TRUE(host::testing::PumpUntil(
      [&] {
        answer();
        return program.Ended();
      },
      std::chrono::milliseconds(20000)))
      << "the program goes on after the message";
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes.front().find("Regions.ocx"), std::string::npos) << boxes.front();
  EXPECT_NE(boxes.front().find("regsvr32"), std::string::npos) << boxes.front();
}

}  // namespace
}  // namespace shapetrial::testing
