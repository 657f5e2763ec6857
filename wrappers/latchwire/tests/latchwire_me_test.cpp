#include <gtest/gtest.h>

#include <windows.h>

#include "host/usercontrol/design_time_host.h"
#include "wrappers/latchwire/latchwire_me.h"

namespace latchwire {
namespace {

TEST(LatchwireMeInTheDesigner, ShowReturnsAtOnceAndTheControlStaysVisible) {
  host::DesignTimeHost<LatchwireMe> designer;
  int raised = 0;
  designer->WindowMessages.Connect(
      [&](host::LongPtr, host::Long&, host::LongPtr&, host::LongPtr&, host::Long) { ++raised; });
  PostMessageA(nullptr, WM_NULL, 0, 0);
  designer.PlaceNew();
  EXPECT_TRUE(IsWindowVisible(designer->hWnd()));
  EXPECT_EQ(raised, 0) << "no loop of its own in design mode";
  MSG left{};
  EXPECT_TRUE(PeekMessageA(&left, nullptr, WM_NULL, WM_NULL, PM_REMOVE)) << "the queued message is still there";
}

}  // namespace
}  // namespace latchwire
