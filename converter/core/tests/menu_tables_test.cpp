#include "converter/core/menu_tables.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(BuildMenuTables, TopLevelMenusArePopupsAndEntriesAtAnyDepthAreItems) {
  const MenuTables tables = BuildMenuTables(std::vector<std::string_view>{
      "   Begin VB.Menu mnuFile ",
      "      Caption         =   \"&File\"",
      "      Begin VB.Menu mnuOpen ",
      "         Caption         =   \"&Open\"",
      "      End",
      "      Begin VB.Menu mnuRecent ",
      "         Caption         =   \"Recent\"",
      "         Begin VB.Menu mnuRecent1 ",
      "            Caption         =   \"One\"",
      "         End",
      "      End",
      "   End",
      "   Begin VB.Menu mnuFormat ",
      "      Caption         =   \"F&ormat\"",
      "      Begin VB.Menu mnuBold ",
      "         Caption         =   \"&Bold\"",
      "         Shortcut        =   ^B",
      "      End",
      "   End",
  });
  ASSERT_EQ(tables.popupTable.size(), 2u);
  EXPECT_EQ(tables.popupTable[0].index, 1);
  EXPECT_EQ(tables.popupTable[0].name, "mnuFile");
  EXPECT_EQ(tables.popupTable[0].caption, "\"&File\"");
  EXPECT_EQ(tables.popupTable[1].index, 2);
  EXPECT_EQ(tables.popupTable[1].caption, "\"F&ormat\"");
  ASSERT_EQ(tables.itemTable.size(), 4u);
  EXPECT_EQ(tables.itemTable[0].name, "mnuOpen");
  EXPECT_EQ(tables.itemTable[0].popupIndex, 1);
  EXPECT_EQ(tables.itemTable[2].name, "mnuRecent1");
  EXPECT_EQ(tables.itemTable[2].popupIndex, 1);
  EXPECT_EQ(tables.itemTable[3].name, "mnuBold");
  EXPECT_EQ(tables.itemTable[3].caption, "\"&Bold\"");
  EXPECT_EQ(tables.itemTable[3].popupIndex, 2);
}

TEST(BuildMenuTables, CaptionIsTheTextBetweenTheFirstTwoEquals) {
  const MenuTables tables = BuildMenuTables(std::vector<std::string_view>{
      "   Begin VB.Menu mnuA ", "      Caption = \"a=b\"", "   Begin VB.Menu mnuB ", "      Caption \"none\""});
  ASSERT_EQ(tables.popupTable.size(), 2u);
  EXPECT_EQ(tables.popupTable[0].caption, "\"a");
  EXPECT_EQ(tables.popupTable[1].caption, "");
}

TEST(BuildMenuTables, CaptionLineIsConsumedEvenWhenItIsABeginLine) {
  const MenuTables tables = BuildMenuTables(
      std::vector<std::string_view>{"   Begin VB.Menu mnuA ", "   Begin VB.Menu mnuB ", "      Caption = \"x\""});
  ASSERT_EQ(tables.popupTable.size(), 1u);
  EXPECT_EQ(tables.popupTable[0].caption, "");
}

TEST(BuildMenuTables, BeginAsLastLineGetsAnEmptyCaption) {
  const MenuTables tables = BuildMenuTables(std::vector<std::string_view>{"   Begin VB.Menu mnuLast "});
  ASSERT_EQ(tables.popupTable.size(), 1u);
  EXPECT_EQ(tables.popupTable[0].name, "mnuLast");
  EXPECT_EQ(tables.popupTable[0].caption, "");
}

TEST(BuildMenuTables, BeginLinesAtOtherColumnsAddNothing) {
  const MenuTables tables = BuildMenuTables(
      std::vector<std::string_view>{"Begin VB.Menu mnuA ", "x", "    Begin VB.Menu mnuB ", "x",
                                    "     Begin VB.Menu mnuC ", "x", "   Caption = \"Begin\"", "      Shortcut = ^B"});
  EXPECT_TRUE(tables.popupTable.empty());
  EXPECT_TRUE(tables.itemTable.empty());
}

TEST(BuildMenuTables, ItemBeforeAnyPopupHasPopupIndexZero) {
  const MenuTables tables = BuildMenuTables(std::vector<std::string_view>{"      Begin VB.Menu mnuOrphan ", "x"});
  ASSERT_EQ(tables.itemTable.size(), 1u);
  EXPECT_EQ(tables.itemTable[0].popupIndex, 0);
}

TEST(BuildMenuTables, NamesAndCaptionsAreCutAt25) {
  const MenuTables tables = BuildMenuTables(std::vector<std::string_view>{
      "   Begin VB.Menu mnuAVeryLongMenuNameIndeed1 ", "      Caption = \"A caption that goes on and on\""});
  ASSERT_EQ(tables.popupTable.size(), 1u);
  EXPECT_EQ(tables.popupTable[0].name, "mnuAVeryLongMenuNameIndee");
  EXPECT_EQ(tables.popupTable[0].caption, "\"A caption that goes on a");
}

}  // namespace
}  // namespace converter
