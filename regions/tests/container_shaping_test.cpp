#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "host/runtime/error.h"
#include "host/services/screen.h"
#include "host/testing/entry_point_replacement.h"
#include "host/testing/region_compare.h"
#include "regions/container_shaping.h"
#include "regions/tests/shaped_windows.h"

namespace regions {
namespace {

using host::UniqueRgn;
using host::testing::SameArea;
using testing::ContainerControl;
using testing::WindowRegion;

UniqueRgn Ellipse(int left, int top, int right, int bottom) {
  return UniqueRgn(CreateEllipticRgn(left, top, right, bottom));
}
UniqueRgn Rectangle(int left, int top, int right, int bottom) {
  return UniqueRgn(CreateRectRgn(left, top, right, bottom));
}
UniqueRgn Rounded(int left, int top, int right, int bottom, int width, int height) {
  return UniqueRgn(CreateRoundRectRgn(left, top, right, bottom, width, height));
}
UniqueRgn Combined(UniqueRgn base, const UniqueRgn& added, int mode) {
  CombineRgn(base.get(), base.get(), added.get(), mode);
  return base;
}

// 1500 x 1500 twips, 4 x 4 scale units: a 100-pixel square window, 25 pixels a unit.
class ContainerShapingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(host::Screen().TwipsPerPixelX(), 15); }

  bool WindowShapeIs(const UniqueRgn& expected) const {
    const UniqueRgn actual = WindowRegion(control_.hWnd());
    return actual && SameArea(actual.get(), expected.get());
  }

  ContainerControl control_{1500, 1500, 4, 4};
  ContainerShaping shaping_{control_};
};

TEST_F(ContainerShapingTest, RefreshGivesTheWindowTheBaseShapeOfRegionModeAtItsSize) {
  const struct {
    const char* what;
    ContainerShapeSettings settings;
    std::function<UniqueRgn()> expected;
  } cases[] = {
      {"new control: a circle", {}, [] { return Ellipse(0, 0, 100, 100); }},
      {"block", {RegionHow::rnBlock}, [] { return Rectangle(0, 0, 100, 100); }},
      {"rounded, 500 twips corners", {RegionHow::rnBlockRounded}, [] { return Rounded(0, 0, 100, 100, 33, 33); }},
      {"rounded, 300 x 600 twips",
       {RegionHow::rnBlockRounded, 300, 600},
       [] { return Rounded(0, 0, 100, 100, 20, 40); }},
  };
  for (const auto& c : cases) {
    shaping_.Restore(c.settings);
    shaping_.Refresh();
    EXPECT_TRUE(WindowShapeIs(c.expected())) << c.what;
    EXPECT_NE(shaping_.RegionHandle(), nullptr) << c.what;
  }
}

TEST_F(ContainerShapingTest, WritingAShapingPropertyReshapesAtOnce) {
  shaping_.SetRegionMode(RegionHow::rnBlockRounded);
  EXPECT_TRUE(WindowShapeIs(Rounded(0, 0, 100, 100, 33, 33)));
  shaping_.SetBoxRoundedX(150);
  EXPECT_TRUE(WindowShapeIs(Rounded(0, 0, 100, 100, 10, 33)));
  shaping_.SetBoxRoundedY(750);
  EXPECT_TRUE(WindowShapeIs(Rounded(0, 0, 100, 100, 10, 50)));
}

// Added shapes are in scale units and combine into the base, base first, in
// the order added, at every Refresh.
TEST_F(ContainerShapingTest, AddedShapesCombineIntoTheBaseByTheirModes) {
  const struct {
    const char* what;
    RegionHow base;
    std::function<void(ContainerShaping&)> add;
    std::function<UniqueRgn()> expected;
  } cases[] = {
      {"rounded hole of half the size", RegionHow::rnBlock,
       [](ContainerShaping& s) { s.AddRectangle(1, 1, 3, 3, RegionWhat::rDIFF, 400, 400); },
       [] { return Combined(Rectangle(0, 0, 100, 100), Rounded(25, 25, 75, 75, 27, 27), RGN_DIFF); }},
      {"mode omitted unites", RegionHow::rnEllipse, [](ContainerShaping& s) { s.AddEllipse(2, 0, 4, 4); },
       [] { return Combined(Ellipse(0, 0, 100, 100), Ellipse(50, 0, 100, 100), RGN_OR); }},
      {"rAND", RegionHow::rnEllipse, [](ContainerShaping& s) { s.AddRectangle(0, 0, 2, 4, RegionWhat::rAND); },
       [] { return Combined(Ellipse(0, 0, 100, 100), Rounded(0, 0, 50, 100, 0, 0), RGN_AND); }},
      {"rXOR", RegionHow::rnEllipse, [](ContainerShaping& s) { s.AddRectangle(2, 2, 4, 4, RegionWhat::rXOR); },
       [] { return Combined(Ellipse(0, 0, 100, 100), Rounded(50, 50, 100, 100, 0, 0), RGN_XOR); }},
      {"rCOPY keeps the base", RegionHow::rnEllipse,
       [](ContainerShaping& s) { s.AddRectangle(2, 2, 4, 4, RegionWhat::rCOPY); },
       [] { return Ellipse(0, 0, 100, 100); }},
      {"another value unites", RegionHow::rnBlock, [](ContainerShaping& s) { s.AddEllipse(3, 3, 5, 5, RegionWhat{9}); },
       [] { return Combined(Rectangle(0, 0, 100, 100), Ellipse(75, 75, 125, 125), RGN_OR); }},
      {"in the order added", RegionHow::rnBlock,
       [](ContainerShaping& s) {
         s.AddEllipse(0, 0, 4, 4, RegionWhat::rDIFF);
         s.AddRectangle(1, 1, 3, 3, RegionWhat::rOR);
       },
       [] {
         return Combined(Combined(Rectangle(0, 0, 100, 100), Ellipse(0, 0, 100, 100), RGN_DIFF),
                         Rounded(25, 25, 75, 75, 0, 0), RGN_OR);
       }},
  };
  for (const auto& c : cases) {
    ContainerShaping shaping(control_);
    shaping.Restore({c.base});
    c.add(shaping);
    shaping.Refresh();
    EXPECT_TRUE(WindowShapeIs(c.expected())) << c.what;
    shaping.Refresh();
    EXPECT_TRUE(WindowShapeIs(c.expected())) << c.what << ", refreshed again";
  }
}

TEST_F(ContainerShapingTest, PolygonPointsArePixelsFromTheScaleWhenAdded) {
  shaping_.Restore({RegionHow::rnPolygon});
  shaping_.Add2PolyRegion(0, 0);
  shaping_.Add2PolyRegion(4, 0);
  control_.SetScale(3, 3);  // 33.33 pixels a unit from now on
  shaping_.Add2PolyRegion(1, 2);
  EXPECT_EQ(shaping_.AddedPolyCount(), 3);
  shaping_.Refresh();
  const POINT triangle[] = {{0, 0}, {100, 0}, {33, 67}};
  EXPECT_TRUE(WindowShapeIs(UniqueRgn(CreatePolygonRgn(triangle, 3, ALTERNATE))));

  shaping_.ClearPolyRegion(host::Variant(host::Long{1}));
  shaping_.Add2PolyRegion(3, 3);
  shaping_.Refresh();
  const POINT changed[] = {{0, 0}, {33, 67}, {100, 100}};
  EXPECT_TRUE(WindowShapeIs(UniqueRgn(CreatePolygonRgn(changed, 3, ALTERNATE))));
  shaping_.ClearPolyRegion();
  EXPECT_EQ(shaping_.AddedPolyCount(), 0);
}

TEST_F(ContainerShapingTest, APointOverAZeroScaleKeepsThatCoordinateZeroAndNoErrorRemains) {
  shaping_.Restore({RegionHow::rnPolygon});
  control_.SetScale(0, 4);
  shaping_.Add2PolyRegion(3, 0);
  EXPECT_EQ(host::Err().Number(), 0);
  control_.SetScale(4, 4);
  shaping_.Add2PolyRegion(4, 0);
  shaping_.Add2PolyRegion(4, 4);
  shaping_.Refresh();
  const POINT triangle[] = {{0, 0}, {100, 0}, {100, 100}};
  EXPECT_TRUE(WindowShapeIs(UniqueRgn(CreatePolygonRgn(triangle, 3, ALTERNATE))));
}

TEST_F(ContainerShapingTest, ThePolygonListHoldsAtMost32767Points) {
  for (int i = 0; i < 32768; ++i) shaping_.Add2PolyRegion(0, 0);
  EXPECT_EQ(shaping_.AddedPolyCount(), 32767);
}

// Holes A, B and C of one unit each, cut out of a block along its diagonal.
TEST_F(ContainerShapingTest, ClearingByIndexRemovesThatShapeOnlyAndAnyOtherIndexNothing) {
  const auto hole = [](int unit) { return Rounded(25 * unit, 25 * unit, 25 * unit + 25, 25 * unit + 25, 0, 0); };
  const struct {
    const char* what;
    int added;
    host::Variant index;
    std::vector<int> remaining;
  } cases[] = {
      {"no index", 3, host::Variant::Missing(), {}},
      {"the third", 3, host::Variant(host::Long{2}), {0, 1}},
      {"the first, the others move down", 3, host::Variant(host::Long{0}), {1, 2}},
      {"an index past the end", 3, host::Variant(host::Long{5}), {0, 1, 2}},
      {"a negative index", 3, host::Variant(host::Long{-1}), {0, 1, 2}},
      {"a numeric text", 3, host::Variant("1"), {0, 2}},
      {"a text that is no number", 3, host::Variant("one"), {0, 1, 2}},
      {"the only one", 1, host::Variant(host::Long{0}), {}},
  };
  for (const auto& c : cases) {
    ContainerShaping shaping(control_);
    shaping.Restore({RegionHow::rnBlock});
    for (int added = 0; added < c.added; ++added) {
      const auto unit = static_cast<host::Single>(added);
      shaping.AddRectangle(unit, unit, unit + 1, unit + 1, RegionWhat::rDIFF);
    }
    shaping.ClearAddedRegions(c.index);
    EXPECT_EQ(shaping.AddedRegionsCount(), static_cast<host::Integer>(c.remaining.size())) << c.what;
    EXPECT_EQ(host::Err().Number(), 0) << c.what;
    shaping.Refresh();
    UniqueRgn expected = Rectangle(0, 0, 100, 100);
    for (const int unit : c.remaining) expected = Combined(std::move(expected), hole(unit), RGN_DIFF);
    EXPECT_TRUE(WindowShapeIs(expected)) << c.what;
  }
}

// The window's region is the only one left when no new base can be built:
// it is neither combined into nor applied again.
TEST_F(ContainerShapingTest, WithoutANewBaseTheWindowKeepsItsShape) {
  shaping_.Refresh();
  const HRGN circle = shaping_.RegionHandle();
  shaping_.AddRectangle(0, 0, 2, 2, RegionWhat::rOR);
  for (const RegionHow mode : {RegionHow::rnPolygon, RegionHow{7}, RegionHow{-1}}) {
    shaping_.SetRegionMode(mode);
    EXPECT_TRUE(WindowShapeIs(Ellipse(0, 0, 100, 100))) << static_cast<int>(mode);
    EXPECT_EQ(shaping_.RegionHandle(), circle) << static_cast<int>(mode);
  }
  shaping_.SetRegionMode(RegionHow::rnPolygon);
  shaping_.Add2PolyRegion(4, 0);
  shaping_.Add2PolyRegion(4, 4);
  shaping_.Add2PolyRegion(0, 4);
  shaping_.Refresh();
  const POINT triangle[] = {{100, 0}, {100, 100}, {0, 100}};
  EXPECT_TRUE(WindowShapeIs(
      Combined(UniqueRgn(CreatePolygonRgn(triangle, 3, ALTERNATE)), Rounded(0, 0, 50, 50, 0, 0), RGN_OR)));
}

// The host's way: combine from RegionHandle into a region of its own, then
// refresh with that; RegionHandle stays the control's shape.
TEST_F(ContainerShapingTest, RegionHandleIsASourceForTheHostsRegionWhichRefreshAppliesAsItIs) {
  shaping_.SetRegionMode(RegionHow::rnBlock);
  const HRGN block = shaping_.RegionHandle();
  UniqueRgn hostRegion = Rectangle(0, 0, 0, 0);
  ASSERT_NE(CombineRgn(hostRegion.get(), block, Ellipse(25, 25, 75, 75).get(), RGN_DIFF), ERROR);
  shaping_.Refresh(hostRegion.release());
  EXPECT_TRUE(WindowShapeIs(Combined(Rectangle(0, 0, 100, 100), Ellipse(25, 25, 75, 75), RGN_DIFF)));
  EXPECT_EQ(shaping_.RegionHandle(), block);
  EXPECT_TRUE(SameArea(block, Rectangle(0, 0, 100, 100).get()));
}

// Every region deleted through the library, in order, and every one handed to a window.
std::vector<HGDIOBJ>* deletions = nullptr;
std::vector<HRGN>* applied = nullptr;
BOOL WINAPI NotedDeleteObject(HGDIOBJ object) {
  deletions->push_back(object);
  return DeleteObject(object);
}
int WINAPI NotedSetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  applied->push_back(region);
  return SetWindowRgn(window, region, redraw);
}
int WINAPI RefusedSetWindowRgn(HWND, HRGN region, BOOL) {
  applied->push_back(region);
  return 0;
}

int TimesDeleted(const std::vector<HGDIOBJ>& deleted, HGDIOBJ object) {
  return static_cast<int>(std::count(deleted.begin(), deleted.end(), object));
}

class RegionOwnershipTest : public ContainerShapingTest {
 protected:
  void SetUp() override {
    deletions = &deleted_;
    applied = &applied_;
  }
  std::vector<HGDIOBJ> deleted_;
  std::vector<HRGN> applied_;
  const host::testing::EntryPointReplacement notedDeletes_{"gdi32", "DeleteObject", &NotedDeleteObject};
};

TEST_F(RegionOwnershipTest, AddedShapesAndCopiesAreDeletedOnceAndTheWindowsRegionsNever) {
  const host::testing::EntryPointReplacement notedApplies("user32", "SetWindowRgn", &NotedSetWindowRgn);
  shaping_.AddEllipse(0, 0, 1, 1, RegionWhat::rDIFF);
  shaping_.AddEllipse(3, 3, 4, 4, RegionWhat::rDIFF);
  shaping_.AddEllipse(1, 1, 3, 3, RegionWhat::rXOR);
  shaping_.Refresh();
  const HRGN firstCopy = shaping_.RegionHandle();
  EXPECT_TRUE(deleted_.empty());
  shaping_.SetRegionMode(RegionHow::rnBlock);
  EXPECT_EQ(deleted_, std::vector<HGDIOBJ>{firstCopy}) << "a copy goes when the next replaces it";
  shaping_.ClearAddedRegions(host::Variant(host::Long{1}));
  EXPECT_EQ(deleted_.size(), 2u);
  const HRGN lastCopy = shaping_.RegionHandle();
  const UniqueRgn shown = WindowRegion(control_.hWnd());
  shaping_.ReleaseRegions();
  EXPECT_EQ(deleted_.size(), 5u);
  EXPECT_EQ(TimesDeleted(deleted_, lastCopy), 1);
  for (const HGDIOBJ region : deleted_) EXPECT_EQ(TimesDeleted(deleted_, region), 1);
  ASSERT_EQ(applied_.size(), 2u);
  for (const HRGN region : applied_) EXPECT_EQ(TimesDeleted(deleted_, region), 0) << "the window's";
  EXPECT_TRUE(WindowShapeIs(shown));
  EXPECT_EQ(shaping_.RegionHandle(), nullptr);
  EXPECT_EQ(shaping_.AddedRegionsCount(), 0);
}

TEST_F(RegionOwnershipTest, AShapeTheWindowRefusesIsDeletedAtOnceAndTheWindowKeepsItsShape) {
  shaping_.SetRegionMode(RegionHow::rnBlock);
  {
    const host::testing::EntryPointReplacement refused("user32", "SetWindowRgn", &RefusedSetWindowRgn);
    shaping_.SetRegionMode(RegionHow::rnEllipse);
  }
  ASSERT_EQ(applied_.size(), 1u);
  EXPECT_EQ(TimesDeleted(deleted_, applied_[0]), 1);
  EXPECT_TRUE(WindowShapeIs(Rectangle(0, 0, 100, 100)));
  EXPECT_TRUE(SameArea(shaping_.RegionHandle(), Ellipse(0, 0, 100, 100).get())) << "the shape built";
}

// Every region the library makes, until it deletes it or a window takes it.
// (The process's GDI object count would say the same on Windows; under Wine
// it reads 0.)
std::set<HGDIOBJ>* live = nullptr;
HRGN Noted(HRGN made) {
  if (made != nullptr) live->insert(made);
  return made;
}
HRGN WINAPI CountedEllipticRgn(int left, int top, int right, int bottom) {
  return Noted(CreateEllipticRgn(left, top, right, bottom));
}
HRGN WINAPI CountedRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
  return Noted(CreateRoundRectRgn(left, top, right, bottom, width, height));
}
HRGN WINAPI CountedRectRgn(int left, int top, int right, int bottom) {
  return Noted(CreateRectRgn(left, top, right, bottom));
}
BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
  live->erase(object);
  return DeleteObject(object);
}
int WINAPI CountedSetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  const int taken = SetWindowRgn(window, region, redraw);
  if (taken != 0) live->erase(region);
  return taken;
}

TEST_F(ContainerShapingTest, AThousandAddRefreshClearCyclesLeaveNoRegionBehind) {
  std::set<HGDIOBJ> made;
  live = &made;
  using host::testing::EntryPointReplacement;
  const EntryPointReplacement replaced[] = {
      {"gdi32", "CreateEllipticRgn", &CountedEllipticRgn}, {"gdi32", "CreateRoundRectRgn", &CountedRoundRectRgn},
      {"gdi32", "CreateRectRgn", &CountedRectRgn},         {"gdi32", "DeleteObject", &CountedDeleteObject},
      {"user32", "SetWindowRgn", &CountedSetWindowRgn},
  };
  for (int cycle = 0; cycle < 1000; ++cycle) {
    shaping_.AddEllipse(0, 0, 2, 2, RegionWhat::rDIFF);
    shaping_.AddRectangle(1, 1, 3, 3, RegionWhat::rXOR, 300, 300);
    shaping_.Refresh();
    shaping_.ClearAddedRegions(host::Variant(host::Long{0}));
    shaping_.Refresh(CreateRectRgn(0, 0, 50, 50));
    shaping_.ClearAddedRegions();
    ASSERT_LE(made.size(), 1u) << "cycle " << cycle << ": only the copy of the shape lives";
  }
  shaping_.ReleaseRegions();
  EXPECT_TRUE(made.empty());
  live = nullptr;
}

}  // namespace
}  // namespace regions
