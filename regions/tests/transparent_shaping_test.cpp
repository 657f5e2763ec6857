#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <thread>

#include "host/runtime/error.h"
#include "host/services/screen.h"
#include "host/testing/raised_error.h"
#include "host/testing/region_compare.h"
#include "regions/container_shapes.h"
#include "regions/transparent_shaping.h"
#include "regions/tests/shaped_windows.h"

namespace regions {
namespace {

using host::UniqueRgn;
using host::testing::ErrorNumberOf;
using host::testing::SameArea;
using testing::TransparentControlWindow;
using testing::WindowRegion;

// A form with a caption and borders, so that offsets include them; shown
// without taking the focus from whatever has it.
host::UniqueWindow FormWindow() {
  host::UniqueWindow form(CreateWindowExA(0, "STATIC", "form", WS_OVERLAPPEDWINDOW, 100, 100, 320, 240, nullptr,
                                          nullptr, nullptr, nullptr));
  ShowWindow(form.get(), SW_SHOWNOACTIVATE);
  return form;
}

// A control's area in its container's window coordinates.
RECT InContainerWindow(HWND container, HWND control) {
  RECT outer{};
  RECT own{};
  GetWindowRect(container, &outer);
  GetWindowRect(control, &own);
  OffsetRect(&own, -outer.left, -outer.top);
  return own;
}

UniqueRgn BeyondTheScreen() {
  return UniqueRgn(CreateRectRgn(0, 0, std::lround(1.2 * GetSystemMetrics(SM_CXSCREEN)),
                                 std::lround(1.2 * GetSystemMetrics(SM_CYSCREEN))));
}

UniqueRgn WithHoles(const UniqueRgn& holes) {
  UniqueRgn window = BeyondTheScreen();
  CombineRgn(window.get(), window.get(), holes.get(), RGN_XOR);
  return window;
}

bool ShapeIs(HWND window, const UniqueRgn& expected) {
  const UniqueRgn actual = WindowRegion(window);
  return actual && SameArea(actual.get(), expected.get());
}

UniqueRgn EllipseIn(const RECT& box) { return UniqueRgn(CreateEllipticRgn(box.left, box.top, box.right, box.bottom)); }

// A form with one transparent ellipse, 40 x 30 pixels at (10, 10) of its client area.
struct FormWithOneControl {
  host::UniqueWindow form = FormWindow();
  TransparentControlWindow control{form.get(), {10, 10, 50, 40}};
  TransparentShaping shaping{control};

  // The form's region once the control's ellipse is cut out of it.
  UniqueRgn WithTheEllipseCut() const { return WithHoles(EllipseIn(InContainerWindow(form.get(), control.hWnd()))); }
};

// The cases share this thread's ContainerShapes, which keeps every entry:
// each looks at the entries added since it began.
class TransparentShapingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(host::Screen().TwipsPerPixelX(), 15); }

  size_t NewEntries() const { return ContainerShapes().Entries().size() - entriesBefore_; }
  const ContainerShapeEntry& NewEntry(size_t index) const {
    return ContainerShapes().Entries().at(entriesBefore_ + index);
  }

 private:
  const size_t entriesBefore_ = ContainerShapes().Entries().size();
};

TEST_F(TransparentShapingTest, AnEllipseIsCutOutOfTheFormAtItsOffsetFromTheFormsWindow) {
  FormWithOneControl on;
  on.shaping.Resize();
  EXPECT_TRUE(ShapeIs(on.control.hWnd(), UniqueRgn(CreateEllipticRgn(0, 0, 40, 30)))) << "its own shape";
  EXPECT_FALSE(WindowRegion(on.form.get())) << "nothing cut before Show";
  on.shaping.Show();
  EXPECT_TRUE(ShapeIs(on.form.get(), on.WithTheEllipseCut()));
}

// A (first) and B (second) overlap; B's WhatTransparent combines B's shape
// with what A contributed, B's shape first.
TEST_F(TransparentShapingTest, EachControlCombinesItsShapeIntoTheContainersHolesByItsMode) {
  const struct {
    const char* what;
    RegionTransparentHow aMode;
    RegionWhatTransparent bWhat;
    int combine;  // 0: nothing but the screen-sized rectangle
  } cases[] = {
      {"rwOR: their union", RegionTransparentHow::rnEllipse, RegionWhatTransparent::rwOR, RGN_OR},
      {"rwAND: their overlap", RegionTransparentHow::rnEllipse, RegionWhatTransparent::rwAND, RGN_AND},
      {"rwXOR: the overlap shows again", RegionTransparentHow::rnEllipse, RegionWhatTransparent::rwXOR, RGN_XOR},
      {"rwDIFF: B outside A", RegionTransparentHow::rnEllipse, RegionWhatTransparent::rwDIFF, RGN_DIFF},
      {"rwCOPY: B alone", RegionTransparentHow::rnEllipse, RegionWhatTransparent::rwCOPY, RGN_COPY},
      {"another value unites", RegionTransparentHow::rnEllipse, RegionWhatTransparent{7}, RGN_OR},
      {"a negative value unites", RegionTransparentHow::rnEllipse, RegionWhatTransparent{-1}, RGN_OR},
      {"A without a shape: no holes", RegionTransparentHow{5}, RegionWhatTransparent::rwOR, 0},
  };
  for (const auto& c : cases) {
    const host::UniqueWindow form = FormWindow();
    TransparentControlWindow a(form.get(), {10, 10, 70, 50});
    TransparentControlWindow b(form.get(), {40, 20, 100, 60});
    TransparentShaping first(a);
    TransparentShaping second(b);
    first.Restore({c.aMode});
    second.Restore({RegionTransparentHow::rnBlock, c.bWhat});
    first.Resize();
    second.Resize();
    first.Show();
    second.Show();
    const RECT inA = InContainerWindow(form.get(), a.hWnd());
    const RECT inB = InContainerWindow(form.get(), b.hWnd());
    UniqueRgn holes(CreateRectRgn(0, 0, 0, 0));
    if (c.combine != 0) {
      const UniqueRgn ellipse = EllipseIn(inA);
      const UniqueRgn block(CreateRectRgn(inB.left, inB.top, inB.right, inB.bottom));
      CombineRgn(holes.get(), block.get(), ellipse.get(), c.combine);
    }
    EXPECT_TRUE(ShapeIs(form.get(), WithHoles(holes))) << c.what;
  }
}

TEST_F(TransparentShapingTest, TheHolesAreBuiltOnceThoughTheControlResizesOrShowsAgain) {
  FormWithOneControl on;
  on.shaping.Resize();
  on.shaping.Show();
  const UniqueRgn shown = on.WithTheEllipseCut();
  SetWindowPos(on.control.hWnd(), nullptr, 0, 0, 80, 60, SWP_NOMOVE | SWP_NOZORDER);
  on.shaping.Resize();
  EXPECT_TRUE(ShapeIs(on.control.hWnd(), UniqueRgn(CreateEllipticRgn(0, 0, 80, 60)))) << "its own shape follows";
  on.shaping.Show();
  EXPECT_TRUE(ShapeIs(on.form.get(), shown));
  EXPECT_EQ(NewEntries(), 1u);
}

TEST_F(TransparentShapingTest, AControlContributesOnceItsContainerHasAWindow) {
  FormWithOneControl on;
  on.control.containerKnown = false;
  on.shaping.Resize();
  EXPECT_EQ(NewEntries(), 0u);
  on.control.containerKnown = true;
  on.shaping.Resize();
  on.shaping.Show();
  EXPECT_TRUE(ShapeIs(on.form.get(), on.WithTheEllipseCut()));
}

TEST_F(TransparentShapingTest, InADesignerTheControlOnlyShowsItsOwnShape) {
  const host::UniqueWindow form = FormWindow();
  TransparentControlWindow control(form.get(), {10, 10, 50, 40}, false);
  TransparentShaping shaping(control);
  shaping.SetRegionMode(RegionTransparentHow::rnBlockRounded);
  EXPECT_TRUE(ShapeIs(control.hWnd(), UniqueRgn(CreateRoundRectRgn(0, 0, 40, 30, 33, 33))));
  shaping.SetBoxRoundedX(150);
  shaping.SetBoxRoundedY(300);
  EXPECT_TRUE(ShapeIs(control.hWnd(), UniqueRgn(CreateRoundRectRgn(0, 0, 40, 30, 10, 20))));
  shaping.SetWhatTransparent(RegionWhatTransparent::rwXOR);
  EXPECT_EQ(shaping.Settings().whatTransparent, RegionWhatTransparent::rwXOR);
  shaping.Resize();
  shaping.Show();
  EXPECT_EQ(NewEntries(), 0u);
  EXPECT_FALSE(WindowRegion(form.get()));
}

TEST_F(TransparentShapingTest, AtRunTimeTheShapingPropertiesAreReadOnly) {
  FormWithOneControl on;
  TransparentShaping& shaping = on.shaping;
  const std::function<void()> writes[] = {
      [&] { shaping.SetRegionMode(RegionTransparentHow::rnBlock); },
      [&] { shaping.SetWhatTransparent(RegionWhatTransparent::rwXOR); },
      [&] { shaping.SetBoxRoundedX(1); },
      [&] { shaping.SetBoxRoundedY(1); },
  };
  for (const auto& write : writes) EXPECT_EQ(ErrorNumberOf(write), 383);
  EXPECT_TRUE(shaping.Settings() == TransparentShapeSettings{}) << "all unchanged";
}

TEST_F(TransparentShapingTest, TerminateFreesShapesNotYetAppliedAndLeavesTheFormsRegion) {
  const host::UniqueWindow form = FormWindow();
  const host::UniqueWindow other = FormWindow();
  TransparentControlWindow applied(form.get(), {10, 10, 50, 40});
  TransparentControlWindow pending(other.get(), {10, 10, 50, 40});
  TransparentShaping appliedShaping(applied);
  TransparentShaping pendingShaping(pending);
  appliedShaping.Resize();
  pendingShaping.Resize();
  appliedShaping.Show();
  const HRGN collected = NewEntry(1).shapes.get();
  ASSERT_NE(GetObjectType(collected), 0u);
  pendingShaping.Terminate();
  appliedShaping.Terminate();
  EXPECT_EQ(GetObjectType(collected), 0u);
  for (size_t i = 0; i < NewEntries(); ++i) EXPECT_EQ(NewEntry(i).owner, nullptr);
  EXPECT_TRUE(WindowRegion(form.get())) << "the form owns its region";
}

TEST_F(TransparentShapingTest, EachThreadHasItsOwnContainerShapes) {
  FormWithOneControl on;
  on.shaping.Resize();
  EXPECT_EQ(NewEntries(), 1u);
  std::thread([] { EXPECT_TRUE(ContainerShapes().Empty()); }).join();
}

}  // namespace
}  // namespace regions
