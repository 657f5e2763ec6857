#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/services/screen.h"
#include "host/usercontrol/design_time_host.h"
#include "wrappers/spinglyph/animated_icon.h"

namespace spinglyph {
namespace {

using Designer = host::DesignTimeHost<AnimatedIcon>;

HWND StaticOf(const AnimatedIcon& control) { return GetWindow(control.hWnd(), GW_CHILD); }

HICON IconShownBy(const AnimatedIcon& control) {
  return reinterpret_cast<HICON>(SendMessageA(StaticOf(control), STM_GETIMAGE, IMAGE_ICON, 0));
}

bool IconAlive(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  return true;
}

SIZE PixelSize(const AnimatedIcon& control) {
  return {control.Width() / host::Screen().TwipsPerPixelX(), control.Height() / host::Screen().TwipsPerPixelY()};
}

TEST(AnimatedIconSize, SnapsBackToThirtyTwoPixelsPlusTheBorder) {
  Designer designer({100, 60});
  designer.PlaceNew();
  EXPECT_EQ(PixelSize(*designer).cx, 32);
  EXPECT_EQ(PixelSize(*designer).cy, 32);
  designer->Size(3000, 1500);
  EXPECT_EQ(PixelSize(*designer).cx, 32);
  EXPECT_EQ(PixelSize(*designer).cy, 32);

  static_cast<host::UserControl&>(*designer).SetBorderStyle(1);
  designer->Size(3000, 1500);
  EXPECT_EQ(PixelSize(*designer).cx, 34);
  EXPECT_EQ(PixelSize(*designer).cy, 34);
}

TEST(AnimatedIconImage, AFileIsShownByTheStaticWindow) {
  Designer designer;
  designer.PlaceNew();
  const HWND shower = StaticOf(*designer);
  char name[16] = {};
  GetClassNameA(shower, name, sizeof name);
  EXPECT_STREQ(name, "Static");
  EXPECT_EQ(GetWindowLongA(shower, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | SS_TYPEMASK), WS_CHILD | WS_VISIBLE | SS_ICON);
  EXPECT_EQ(IconShownBy(*designer), nullptr) << "no image before one is named";

  designer->SetAniFileName("GLOBE.ani");
  const HICON globe = IconShownBy(*designer);
  ASSERT_NE(globe, nullptr);
  EXPECT_TRUE(IconAlive(globe));
  EXPECT_EQ(designer->AniFileName(), "GLOBE.ani");
}

TEST(AnimatedIconImage, EachLoadReplacesAndFreesThePreviousIcon) {
  Designer designer;
  designer.PlaceNew();
  std::vector<HICON> loaded;
  for (const char* file : {"APPSTART.ANI", "APPSTART.ANI", "HOURGLAS.ANI"}) {
    designer->SetAniFileName(file);
    loaded.push_back(IconShownBy(*designer));
  }
  ASSERT_NE(loaded[0], nullptr);
  EXPECT_NE(loaded[1], loaded[0]) << "the same name is loaded again";
  EXPECT_FALSE(IconAlive(loaded[0]));
  EXPECT_FALSE(IconAlive(loaded[1]));
  EXPECT_TRUE(IconAlive(loaded[2]));
}

TEST(AnimatedIconImage, TheResourceNumberIsUsedWhenTheFileIsMissingOrBlank) {
  Designer designer;
  designer.PlaceNew();
  designer->SetAniResourceID(7);
  const HICON fromResource = IconShownBy(*designer);
  ASSERT_NE(fromResource, nullptr);
  EXPECT_EQ(designer->AniResourceID(), 7);

  designer->SetAniFileName("   ");
  EXPECT_NE(IconShownBy(*designer), nullptr) << "blanks count as no name";
  designer->SetAniFileName("  GLOBE.ani");
  EXPECT_EQ(IconShownBy(*designer), nullptr) << "found under its trimmed name, so the resource is not tried, "
                                                "but the name as given loads nothing";
  designer->SetAniFileName("missing.ani");
  const HICON fallback = IconShownBy(*designer);
  EXPECT_NE(fallback, nullptr);
  EXPECT_FALSE(IconAlive(fromResource));

  designer->SetAniResourceID(0);
  EXPECT_EQ(IconShownBy(*designer), nullptr) << "nothing to load: the static is cleared";
  EXPECT_FALSE(IconAlive(fallback));
}

TEST(AnimatedIconLifetime, TeardownFreesTheWindowAndTheIcon) {
  HWND shower = nullptr;
  HICON icon = nullptr;
  {
    Designer designer;
    designer.PlaceNew();
    designer->SetAniFileName("HOURGLAS.ANI");
    shower = StaticOf(*designer);
    icon = IconShownBy(*designer);
    ASSERT_TRUE(IconAlive(icon));
  }
  EXPECT_FALSE(IsWindow(shower));
  EXPECT_FALSE(IconAlive(icon));
}

TEST(AnimatedIconProperties, OnlyChangedValuesAreStoredAndOnlyBackColorIsReported) {
  Designer first;
  first.Load(host::PropertyBag());
  EXPECT_EQ(first->BackColor(), 0x8000000Fu);
  EXPECT_TRUE(first.Save().Block().settings.empty());

  first->SetBackColor(0x00C0C0C0);
  first->SetAniFileName("GLOBE.ani");
  first->SetAniResourceID(7);
  EXPECT_EQ(first.ChangedProperties(), (std::vector<std::string>{"BackColor"}));
  const host::PropertyBag saved = first.Save();
  ASSERT_EQ(saved.Block().settings.size(), 3u);
  EXPECT_EQ(saved.Block().settings[0].key, "BackColor");
  EXPECT_EQ(saved.Block().settings[1].key, "AniFileName");
  EXPECT_EQ(saved.Block().settings[2].key, "AniResourceID");

  Designer second;
  second.Load(saved);
  EXPECT_EQ(second->BackColor(), 0x00C0C0C0u);
  EXPECT_EQ(second->AniFileName(), "GLOBE.ani");
  EXPECT_EQ(second->AniResourceID(), 7);
  EXPECT_NE(IconShownBy(*second), nullptr) << "the image loads with the properties";
}

}  // namespace
}  // namespace spinglyph
