#include <gtest/gtest.h>

#include "host/win32/unique_handle.h"

namespace host {
namespace {

bool IsLiveGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(UniqueHandle, ReleasesItsHandleWhenItGoesOutOfScope) {
  HRGN raw = nullptr;
  {
    const UniqueRgn region(CreateRectRgn(0, 0, 10, 10));
    raw = region.get();
    EXPECT_TRUE(IsLiveGdiObject(raw));
  }
  EXPECT_FALSE(IsLiveGdiObject(raw));
}

TEST(UniqueHandle, MoveTransfersOwnershipAndResetFreesTheOldHandle) {
  UniqueRgn first(CreateRectRgn(0, 0, 10, 10));
  const HRGN raw = first.get();
  UniqueRgn second = std::move(first);
  // NOLINTNEXTLINE(bugprone-use-after-move): its moved-from state is the point
  EXPECT_FALSE(first);
  EXPECT_EQ(second.get(), raw);
  second.reset(CreateRectRgn(0, 0, 5, 5));
  EXPECT_FALSE(IsLiveGdiObject(raw));
}

TEST(UniqueHandle, ReleaseHandsTheHandleOverWithoutFreeingIt) {
  UniqueRgn region(CreateRectRgn(0, 0, 10, 10));
  const HRGN raw = region.release();
  EXPECT_FALSE(region);
  EXPECT_TRUE(IsLiveGdiObject(raw));
  DeleteObject(raw);
}

TEST(ApplyWindowRegion, TheWindowOwnsTheRegionOnlyWhenTheCallSucceeds) {
  const UniqueWindow window(
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  EXPECT_TRUE(ApplyWindowRegion(window.get(), UniqueRgn(CreateRectRgn(0, 0, 10, 10)), false));
  const UniqueRgn readBack(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.get(), readBack.get()), SIMPLEREGION) << "the window holds the region now";

  UniqueRgn refused(CreateRectRgn(0, 0, 10, 10));
  const HRGN refusedRaw = refused.get();
  EXPECT_FALSE(ApplyWindowRegion(nullptr, std::move(refused), false));
  EXPECT_FALSE(IsLiveGdiObject(refusedRaw)) << "freed by the wrapper, not leaked";
}

TEST(UniqueWindow, DestroysTheWindow) {
  HWND raw = nullptr;
  {
    const UniqueWindow window(
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    raw = window.get();
    EXPECT_TRUE(IsWindow(raw));
  }
  EXPECT_FALSE(IsWindow(raw));
}

}  // namespace
}  // namespace host
