#include "converter/core/catalogue.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(LookupClass, MapsEveryKindThatHasClasses) {
  const std::pair<std::string_view, ControlKind> samples[] = {
      {"VB.CheckBox", ControlKind::CheckBox},
      {"CSCombo", ControlKind::ComboBox},
      {"SSCommand", ControlKind::CommandButton},
      {"SSFrame", ControlKind::Frame},
      {"MSFlexGridLib.MSFlexGrid", ControlKind::Grid},
      {"HScrollBar", ControlKind::HorizontalScroll},
      {"MSForms.Image", ControlKind::Image},
      {"sivbLB", ControlKind::Label},
      {"VB.Line", ControlKind::Line},
      {"VB.FileListBox", ControlKind::ListBox},
      {"Menu", ControlKind::Menu},
      {"CSOpt", ControlKind::OptionButton},
      {"PictureBox", ControlKind::PictureBox},
      {"CSTextLibCtl.sidtEdit", ControlKind::TextBox},
      {"VB.VScrollBar", ControlKind::VerticalScroll},
      {"MSComctlLib.ListView", ControlKind::ListView},
      {"CSMeteLibCtl.CSMeter", ControlKind::ProgressBar},
      {"ComctlLib.Slider", ControlKind::Slider},
      {"MSComctlLib.StatusBar", ControlKind::StatusBar},
      {"TabDlg.SSTab", ControlKind::TabControl},
      {"SSRibbon", ControlKind::Toolbar},
      {"ComctlLib.TreeView", ControlKind::TreeView},
      {"MSForms.SpinButton", ControlKind::UpDown},
  };
  for (const auto& [className, kind] : samples) {
    EXPECT_EQ(LookupClass(className), kind) << className;
  }
}

TEST(LookupClass, IsExactAndCaseSensitive) {
  EXPECT_EQ(LookupClass("vb.checkbox"), std::nullopt);
  EXPECT_EQ(LookupClass("VB.CheckBox "), std::nullopt);
  EXPECT_EQ(LookupClass("VB.Shape"), std::nullopt);
  EXPECT_EQ(LookupClass("Begin"), std::nullopt);
}

TEST(LookupClass, TabClassesAreRecognisedWithoutKind) {
  EXPECT_EQ(LookupClass("VBX.TabCtl"), ControlKind::None);
  EXPECT_EQ(LookupClass("TabCtl"), ControlKind::None);
  EXPECT_EQ(LookupClass("MSForms.TabStrip"), ControlKind::None);
}

TEST(IsExcludedClass, MatchesEntriesAnywhereInTheClass) {
  EXPECT_TRUE(IsExcludedClass("MSComctlLib.ImageList"));
  EXPECT_TRUE(IsExcludedClass("VB.Timer"));
  EXPECT_TRUE(IsExcludedClass("VB.Data"));
  EXPECT_TRUE(IsExcludedClass("MSDataListLib.DataCombo"));
  EXPECT_TRUE(IsExcludedClass("Threed.SSPanel"));
  EXPECT_FALSE(IsExcludedClass("MSDBGrid.DBGrid"));
  EXPECT_FALSE(IsExcludedClass("VB.timer"));
  EXPECT_FALSE(IsExcludedClass(""));
}

TEST(ControlKindName, NamesEveryCode) {
  EXPECT_EQ(ControlKindName(ControlKind::CommandButton), "COMMAND BUTTON");
  EXPECT_EQ(ControlKindName(ControlKind::HorizontalScroll), "HORIZ. SCROLL");
  EXPECT_EQ(ControlKindName(ControlKind::ImageList), "IMAGELIST");
  EXPECT_EQ(ControlKindName(ControlKind::UpDown), "UP-DOWN");
  EXPECT_EQ(ControlKindName(ControlKind::None), "");
  EXPECT_EQ(ControlKindName(static_cast<ControlKind>(99)), "");
}

}  // namespace
}  // namespace converter
