#include <gtest/gtest.h>

#include <windows.h>

#include "host/controls/check_box.h"
#include "host/services/screen.h"
#include "host/testing/message_box_watcher.h"
#include "utilities/waitrun/form1.h"
#include "utilities/waitrun/tests/stand_in.h"

namespace waitrun {
namespace {

using testing::EndStandIns;
using testing::kOutlivesTheTest;
using testing::RunningStandIns;
using testing::SetStandInLifetime;

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override { form.Show(); }
  void TearDown() override {
    EndStandIns();
    form.Unload();
  }
  void Click() { SendMessageA(form.Command1.hWnd(), BM_CLICK, 0, 0); }
  Form1 form;
};

TEST_F(Form1Test, HasTheButtonAndTheTickedBoxOfTheDescription) {
  EXPECT_EQ(form.Caption(), "Form1");
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, host::PixelsFromTwipsX(4152));
  EXPECT_EQ(client.bottom, host::PixelsFromTwipsY(1908));
  EXPECT_EQ(form.Command1.Caption(), "Run calc.exe");
  EXPECT_EQ(form.Check1.Caption(), " Wait until ready ");
  EXPECT_EQ(form.Check1.Value(), host::vbChecked);
  const host::Long twipsY = host::Screen().TwipsPerPixelY();
  EXPECT_EQ(form.Command1.Top(), 360 / twipsY * twipsY);
  EXPECT_EQ(form.Check1.Top(), 900 / twipsY * twipsY);
}

TEST_F(Form1Test, WithTheBoxTickedTheClickReturnsOnceCalcHasEnded) {
  SetStandInLifetime(500);
  Click();
  EXPECT_TRUE(RunningStandIns().empty());
  EXPECT_TRUE(form.Enabled());
}

TEST_F(Form1Test, WithTheBoxClearedTheClickReturnsWhileCalcRuns) {
  SetStandInLifetime(kOutlivesTheTest);
  form.Check1.SetValue(host::vbUnchecked);
  Click();
  EXPECT_EQ(RunningStandIns().size(), 1u);
  EXPECT_TRUE(form.Enabled());
}

TEST_F(Form1Test, WhenCalcCannotBeStartedTheUntrappedErrorIsShownAndTheFormGoesOn) {
  char testDirectory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, testDirectory);
  SetCurrentDirectoryA("..");
  {
    const host::testing::MessageBoxWatcher watcher;
    Click();
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text, "Run-time error '53':\n\nFile not found");
  }
  SetCurrentDirectoryA(testDirectory);
  EXPECT_TRUE(form.Enabled());
  EXPECT_TRUE(form.IsLoaded());
}

}  // namespace
}  // namespace waitrun
