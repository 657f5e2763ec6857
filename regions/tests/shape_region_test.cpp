#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/services/screen.h"
#include "host/testing/raised_error.h"
#include "host/testing/region_compare.h"
#include "regions/shape_region.h"
#include "regions/tests/shaped_windows.h"

namespace regions {
namespace {

using host::testing::ErrorNumberOf;
using host::testing::SameArea;
using testing::ScaleGeometry;
using testing::ScaleSource;

class CreateShapeRegionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The expected pixels below assume 96 dots per inch, Wine's default.
    ASSERT_EQ(host::Screen().TwipsPerPixelX(), 15);
    ASSERT_EQ(host::Screen().TwipsPerPixelY(), 15);
  }
};

host::UniqueRgn Expected(Integer shape, RECT box, SIZE corner = {}) {
  switch (shape) {
    case shape::kEllipse:
      return host::UniqueRgn(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
    case shape::kRectangle:
      return host::UniqueRgn(CreateRectRgn(box.left, box.top, box.right, box.bottom));
    default:
      return host::UniqueRgn(CreateRoundRectRgn(box.left, box.top, box.right, box.bottom, corner.cx, corner.cy));
  }
}

// 1200 x 1200 twips at 15 twips per pixel, 4 scale units across: 20 pixels a unit.
constexpr ScaleGeometry kFourUnitsOver1200Twips{1200, 1200, 4, 4};
constexpr ScaleGeometry kNoScale{};

TEST_F(CreateShapeRegionTest, ConvertsTwipsOrScaleUnitsToPixelsRoundingHalvesToEven) {
  const struct {
    const char* what;
    Integer shape;
    ShapeBox box;
    bool convert;
    const ScaleGeometry* scale;
    RECT pixels;
    SIZE corner;
  } cases[] = {
      {"1500 x 750 twips", shape::kEllipse, {0, 0, 1500, 750}, true, nullptr, {0, 0, 100, 50}, {}},
      {"twips at half pixels", shape::kRectangle, {22.5f, 37.5f, 157.5f, 172.5f}, true, nullptr, {2, 2, 10, 12}, {}},
      {"pixels, rounded", shape::kRectangle, {0.5f, 1.5f, 10.5f, 11.5f}, false, nullptr, {0, 2, 10, 12}, {}},
      {"corners of 500 twips",
       shape::kRoundedRectangle,
       {0, 0, 1500, 1500, 500, 500},
       true,
       nullptr,
       {0, 0, 100, 100},
       {33, 33}},
      {"pixel corners",
       shape::kRoundedRectangle,
       {0, 0, 100, 100, 20.5f, 21.5f},
       false,
       nullptr,
       {0, 0, 100, 100},
       {20, 22}},
      {"scale units", shape::kEllipse, {1, 1, 3, 2}, true, &kFourUnitsOver1200Twips, {20, 20, 60, 40}, {}},
      {"scale units, corners still twips",
       shape::kRoundedRectangle,
       {0, 0, 4, 4, 300, 150},
       true,
       &kFourUnitsOver1200Twips,
       {0, 0, 80, 80},
       {20, 10}},
  };
  for (const auto& c : cases) {
    ScaleSource source(c.scale != nullptr ? *c.scale : kNoScale);
    const host::BoundRgn region = CreateShapeRegion(c.shape, c.box, c.convert, c.scale != nullptr ? &source : nullptr);
    ASSERT_TRUE(region) << c.what;
    EXPECT_TRUE(SameArea(region.get(), Expected(c.shape, c.pixels, c.corner).get())) << c.what;
  }
}

TEST_F(CreateShapeRegionTest, ShapesOutsideEllipseRectangleAndRoundedBuildNothing) {
  for (const Integer shape : {Integer{3}, Integer{-1}, Integer{7}}) {
    EXPECT_FALSE(CreateShapeRegion(shape, {0, 0, 1500, 1500}, true, nullptr)) << shape;
  }
}

TEST_F(CreateShapeRegionTest, ReadsTheScaleSourceWidthFirstThenHeight) {
  ScaleSource source(kFourUnitsOver1200Twips);
  ASSERT_TRUE(CreateShapeRegion(shape::kEllipse, {0, 0, 1, 1}, true, &source));
  EXPECT_EQ(source.reads, (std::vector<std::string>{"WidthInTwips", "ScaleWidth", "HeightInTwips", "ScaleHeight"}));
  source.reads.clear();
  ASSERT_TRUE(CreateShapeRegion(shape::kEllipse, {0, 0, 1, 1}, false, &source));
  EXPECT_TRUE(source.reads.empty()) << "pixels need no scale";
}

TEST_F(CreateShapeRegionTest, RaisesTheRuntimesArithmeticErrors) {
  const ScaleGeometry noScaleWidth{1200, 1200, 0, 4};
  const ScaleGeometry nothingOverNothing{0, 1200, 0, 4};
  const ScaleGeometry beyondAFloat{1e9, 1200, 1e-35, 4};
  const struct {
    const char* what;
    ShapeBox box;
    bool convert;
    const ScaleGeometry* scale;
    host::Long error;
  } cases[] = {
      {"twips beyond a Long in pixels", {0, 0, 1e12f, 10}, true, nullptr, 6},
      {"pixels beyond a Long", {0, 0, 3e9f, 10}, false, nullptr, 6},
      {"pixels just beyond a Long", {-2147483904.0f, 0, 10, 10}, false, nullptr, 6},
      {"scale width 0", {0, 0, 1, 1}, true, &noScaleWidth, 11},
      {"0 twips over scale width 0", {0, 0, 1, 1}, true, &nothingOverNothing, 6},
      {"pixels per unit beyond a float", {0, 0, 1, 1}, true, &beyondAFloat, 6},
  };
  for (const auto& c : cases) {
    ScaleSource source(c.scale != nullptr ? *c.scale : kNoScale);
    EXPECT_EQ(ErrorNumberOf([&] {
                CreateShapeRegion(shape::kRectangle, c.box, c.convert, c.scale != nullptr ? &source : nullptr);
              }),
              c.error)
        << c.what;
  }
}

}  // namespace
}  // namespace regions
