#include <gtest/gtest.h>

#include "host/forms/scale_model.h"
#include "host/runtime/error.h"
#include "host/services/screen.h"
#include "host/testing/raised_error.h"

namespace host {
namespace {

// A client area of 6000 x 3600 twips, whatever the screen's resolution.
SIZE Client() { return {6000 / Screen().TwipsPerPixelX(), 3600 / Screen().TwipsPerPixelY()}; }

struct Extent {
  Integer mode;
  double width;
  double height;
};

TEST(ScaleModel, EachFixedModeMeasuresTheClientAreaInItsUnit) {
  const Extent extents[] = {
      {vbTwips, 6000, 3600},
      {vbPoints, 300, 180},
      {vbPixels, 6000.0 / Screen().TwipsPerPixelX(), 3600.0 / Screen().TwipsPerPixelY()},
      {vbCharacters, 50, 15},
      {vbInches, 6000.0 / 1440, 2.5},
      {vbMillimeters, 6000.0 / 1440 * 25.4, 63.5},
      {vbCentimeters, 6000.0 / 1440 * 2.54, 6.35},
  };
  for (const Extent& extent : extents) {
    ScaleModel scale;
    scale.SetMode(extent.mode, Client());
    EXPECT_EQ(scale.Mode(), extent.mode);
    EXPECT_NEAR(scale.Width(Client()), extent.width, 1e-3) << "mode " << extent.mode;
    EXPECT_NEAR(scale.Height(Client()), extent.height, 1e-3) << "mode " << extent.mode;
  }
}

TEST(ScaleModel, SettingOneValueSwitchesToUserModeAndKeepsTheOthers) {
  ScaleModel scale;
  scale.SetMode(vbPoints, Client());
  scale.SetLeft(-5, Client());
  EXPECT_EQ(scale.Mode(), vbUser);
  EXPECT_EQ(scale.Left(), -5.0f);
  EXPECT_EQ(scale.Top(), 0.0f);
  EXPECT_NEAR(scale.Width(Client()), 300, 1e-3) << "the width in points at the switch";
  scale.SetHeight(-100, Client());
  EXPECT_EQ(scale.Height(Client()), -100.0f) << "a negative extent turns the axis over";
  const SIZE larger{Client().cx * 2, Client().cy * 2};
  EXPECT_NEAR(scale.Width(larger), 300, 1e-3) << "user units do not follow the client size";
  EXPECT_NEAR(scale.FromPixelsX(larger.cx / 2.0, larger), 150, 1e-3);
}

TEST(ScaleModel, AFixedModeResetsTheOriginAndFollowsTheClientSize) {
  ScaleModel scale;
  scale.Scale(10, 20, 110, 220);
  EXPECT_EQ(scale.Mode(), vbUser);
  EXPECT_EQ(scale.Left(), 10.0f);
  EXPECT_EQ(scale.Top(), 20.0f);
  EXPECT_EQ(scale.Width(Client()), 100.0f);
  EXPECT_EQ(scale.Height(Client()), 200.0f);
  scale.SetMode(vbInches, Client());
  EXPECT_EQ(scale.Left(), 0.0f);
  EXPECT_EQ(scale.Top(), 0.0f);
  EXPECT_NEAR(scale.Height(Client()), 2.5, 1e-3);
  scale.SetMode(vbUser, Client());
  EXPECT_NEAR(scale.Height(Client()), 2.5, 1e-3) << "user mode starts from the current values";
}

TEST(ScaleModel, ConvertsLengthsBetweenUnitsThroughTheUserScale) {
  struct Case {
    double length;
    Integer from;
    Integer to;
    double expected;
  };
  ScaleModel scale;
  scale.Scale(0, 0, 600, 360);  // 10 twips a unit
  const Case cases[] = {
      {1440, vbTwips, vbInches, 1},    {2540, vbHimetric, vbTwips, 1440},
      {72, vbPoints, vbInches, 1},     {10, vbCentimeters, vbMillimeters, 100},
      {3, vbCharacters, vbTwips, 360}, {100, vbUser, vbTwips, 1000},
      {1000, vbTwips, vbUser, 100},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(scale.ConvertX(c.length, c.from, c.to, Client()), c.expected, 1e-3) << c.from << " to " << c.to;
  }
  EXPECT_NEAR(scale.ConvertY(3, vbCharacters, vbTwips, Client()), 720, 1e-3) << "a character is 240 twips high";
  EXPECT_NEAR(scale.ToPixelsX(60, Client()), 600.0 / Screen().TwipsPerPixelX(), 1e-3);
  EXPECT_EQ(testing::ErrorNumberOf([&] { scale.ConvertX(1, vbUser, 9, Client()); }), 5);
}

TEST(ScaleModel, BadModesAndZeroExtentsRaiseError380AndChangeNothing) {
  ScaleModel scale;
  for (const Integer mode : {Integer{-1}, Integer{8}}) {
    EXPECT_EQ(testing::ErrorNumberOf([&] { scale.SetMode(mode, Client()); }), 380) << "mode " << mode;
  }
  EXPECT_THROW(scale.SetWidth(0, Client()), RuntimeError);
  EXPECT_THROW(scale.Scale(1, 1, 1, 5), RuntimeError);
  EXPECT_EQ(scale.Mode(), vbTwips);
  EXPECT_EQ(scale.Width(Client()), 6000.0f);
}

}  // namespace
}  // namespace host
