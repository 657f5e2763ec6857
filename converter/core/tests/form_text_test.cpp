#include "converter/core/form_text.h"

#include <gtest/gtest.h>

#include "crlf_text.h"

namespace converter {
namespace {

using testing::Crlf;

const std::string kFormStart = Crlf({"VERSION 5.00", "Begin VB.Form Form1 ", "   Caption         =   \"Form1\""});
const std::string kFormEnd =
    Crlf({"End", "Attribute VB_Name = \"Form1\"", "Private Sub X()", "   Begin Code", "   End", "End Sub"});

TEST(SplitFormText, FormatVersionIsTwoOnlyForVersion2Forms) {
  EXPECT_EQ(SplitFormText("VERSION 2.00\r\n").formatVersion, 2);
  EXPECT_EQ(SplitFormText("VERSION 5.00\r\n").formatVersion, 4);
  EXPECT_EQ(SplitFormText("").formatVersion, 4);
}

TEST(SplitFormText, CutsHeaderControlsAndDropsTheCode) {
  const std::string form = kFormStart +
                           Crlf({"   Begin VB.CommandButton Command1 ", "      Caption         =   \"OK\"", "   End",
                                 "   Begin VB.Label Label1 ", "      Height          =   255", "   End"}) +
                           kFormEnd;
  const FormText text = SplitFormText(form);
  EXPECT_EQ(text.headerBlock, kFormStart + " End\r\n");
  ASSERT_EQ(text.controlBlocks.size(), 2u);
  EXPECT_EQ(text.controlBlocks[0].text,
            Crlf({"   Begin VB.CommandButton Command1 ", "      Caption         =   \"OK\"", "   End"}));
  EXPECT_EQ(text.controlBlocks[1].text, Crlf({"   Begin VB.Label Label1 ", "      Height          =   255", "   End"}));
  EXPECT_EQ(text.controlBlocks[1].row, 2);
  EXPECT_EQ(text.controlBlocks[1].container, 0);
  EXPECT_FALSE(text.controlBlocks[0].isContainer);
  EXPECT_TRUE(text.childBlocks.empty());
  EXPECT_FALSE(text.hasChildren);
  EXPECT_TRUE(text.menuBlock.empty());
}

TEST(SplitFormText, FormWithoutControlsHasNoHeaderBlock) {
  const FormText text = SplitFormText(kFormStart + Crlf({"End", "Attribute VB_Name = \"Form1\""}));
  EXPECT_TRUE(text.headerBlock.empty());
  EXPECT_TRUE(text.controlBlocks.empty());
}

TEST(SplitFormText, ContainerKeepsItsOwnLinesAndEachChildGetsARow) {
  const std::string form =
      kFormStart +
      Crlf({"   Begin VB.Frame Frame1 ", "      Left            =   240", "      Begin VB.CommandButton Command1 ",
            "         Left            =   120", "      End", "      Begin VB.Label Label1 ", "      End", "   End"}) +
      kFormEnd;
  const FormText text = SplitFormText(form);
  EXPECT_TRUE(text.hasChildren);
  ASSERT_EQ(text.controlBlocks.size(), 1u);
  EXPECT_TRUE(text.controlBlocks[0].isContainer);
  EXPECT_EQ(text.controlBlocks[0].text, Crlf({"   Begin VB.Frame Frame1 ", "      Left            =   240", "   End"}));
  ASSERT_EQ(text.childBlocks.size(), 2u);
  EXPECT_EQ(text.childBlocks[0].text,
            Crlf({"      Begin VB.CommandButton Command1 ", "         Left            =   120", "   End"}));
  EXPECT_EQ(text.childBlocks[0].container, 1);
  EXPECT_EQ(text.childBlocks[1].text, Crlf({"      Begin VB.Label Label1 ", "   End"}));
  EXPECT_EQ(text.childBlocks[1].row, 3);
}

TEST(SplitFormText, NestedContainersAtDepthThreeEachPointAtTheirOwnContainer) {
  const std::string form =
      kFormStart +
      Crlf({"   Begin VB.Frame Outer ", "      Begin VB.PictureBox Middle ", "         Begin VB.Frame Inner ",
            "            Begin VB.Label Deep ", "            End", "         End", "      End",
            "      Begin VB.Label Beside ", "      End", "   End", "   Begin VB.Label After ", "   End"}) +
      kFormEnd;
  const FormText text = SplitFormText(form);
  ASSERT_EQ(text.controlBlocks.size(), 2u);
  EXPECT_EQ(text.controlBlocks[1].row, 6);
  ASSERT_EQ(text.childBlocks.size(), 4u);
  EXPECT_EQ(text.childBlocks[0].container, 1);  // Middle in Outer
  EXPECT_EQ(text.childBlocks[1].container, 2);  // Inner in Middle
  EXPECT_EQ(text.childBlocks[2].container, 3);  // Deep in Inner
  EXPECT_EQ(text.childBlocks[3].container, 1);  // Beside in Outer
  EXPECT_TRUE(text.childBlocks[1].isContainer);
  EXPECT_EQ(text.childBlocks[2].text, Crlf({"            Begin VB.Label Deep ", "   End"}));
}

TEST(SplitFormText, MenusGoToTheMenuBlock) {
  const std::string menus = Crlf({"   Begin VB.Menu mnuFile ", "      Caption         =   \"&File\"", "   End"});
  const FormText text = SplitFormText(kFormStart + Crlf({"   Begin VB.Label Label1 ", "   End"}) + menus + kFormEnd);
  EXPECT_EQ(text.menuBlock, menus + "\r\n\r\n");
  ASSERT_EQ(text.controlBlocks.size(), 1u);
}

TEST(SplitFormText, MenuHeaderBeforeControlsTakesThemAlong) {
  const std::string menusFirst = Crlf({"   Begin VB.Menu mnuFile ", "   End", "   Begin VB.Label Label1 ", "   End"});
  const FormText text = SplitFormText(kFormStart + menusFirst + kFormEnd);
  EXPECT_TRUE(text.controlBlocks.empty());
  EXPECT_EQ(text.menuBlock, menusFirst + "\r\n\r\n");
}

TEST(SplitFormText, Version2MenusUseTheBareClassOthersStayControls) {
  const std::string body = Crlf({"Begin Form Form1 ", "   Begin Menu mnuFile ", "   End"}) + kFormEnd;
  const FormText version2 = SplitFormText("VERSION 2.00\r\n" + body);
  EXPECT_FALSE(version2.menuBlock.empty());
  EXPECT_TRUE(version2.controlBlocks.empty());
  const FormText version4 = SplitFormText("VERSION 4.00\r\n" + body);
  EXPECT_TRUE(version4.menuBlock.empty());
  ASSERT_EQ(version4.controlBlocks.size(), 1u);
}

TEST(SplitFormText, LongBlockIsCutAt2048AndLosesItsClosingLine) {
  const std::string longCaption = "      Caption = \"" + std::string(3000, 'x') + "\"";
  const FormText text =
      SplitFormText(kFormStart + Crlf({"   Begin VB.Label Label1 ", longCaption, "   End"}) + kFormEnd);
  ASSERT_EQ(text.controlBlocks.size(), 1u);
  EXPECT_TRUE(text.controlBlocks[0].wasCut);
  EXPECT_EQ(text.controlBlocks[0].text.size(), kBlockLimit);
  EXPECT_EQ(text.controlBlocks[0].text.find("   End"), std::string::npos);
}

// A block without its closing line runs to the end of what holds it: every
// container and every nested control still ends with an added closing line;
// a top-level control holding none keeps its lines as they are.
TEST(SplitFormText, UnclosedBlocksRunToTheEndOfWhatHoldsThem) {
  const FormText last = SplitFormText(kFormStart + Crlf({"   Begin VB.Label L ", "      Height = 5", "End", "Attr"}));
  ASSERT_EQ(last.controlBlocks.size(), 1u);
  EXPECT_EQ(last.controlBlocks[0].text, Crlf({"   Begin VB.Label L ", "      Height = 5", "End", "Attr", ""}));

  const FormText nested =
      SplitFormText(kFormStart + Crlf({"   Begin VB.Frame F ", "      Caption = 1", "      Begin VB.Label L ", "End"}));
  ASSERT_EQ(nested.controlBlocks.size(), 1u);
  ASSERT_EQ(nested.childBlocks.size(), 1u);
  EXPECT_EQ(nested.controlBlocks[0].text, Crlf({"   Begin VB.Frame F ", "      Caption = 1", "   End"}));
  EXPECT_EQ(nested.childBlocks[0].text, Crlf({"      Begin VB.Label L ", "End", "", "   End"}));
}

TEST(SplitFormText, WithoutCrLfNoBlockBoundaryIsFound) {
  std::string crOnly = kFormStart + Crlf({"   Begin VB.Label Label1 ", "   End"}) + kFormEnd;
  std::erase(crOnly, '\n');
  const FormText text = SplitFormText(crOnly);
  // The rest of the file is one line: one header that never closes.
  ASSERT_EQ(text.controlBlocks.size(), 1u);
  EXPECT_EQ(text.controlBlocks[0].text, crOnly.substr(crOnly.find("   Begin ")) + "\r\n");
}

TEST(SplitBlockLines, StripsLineEndsAndIgnoresTextAfterTheLastCrLf) {
  EXPECT_EQ(SplitBlockLines("a\r\n  b \r\npadding"), (std::vector<std::string_view>{"a", "  b "}));
  EXPECT_TRUE(SplitBlockLines("no line end").empty());
  EXPECT_TRUE(SplitBlockLines("").empty());
}

TEST(SplitBlockLines, CountsCrLfPairsButCutsAtEveryCr) {
  // One CR LF pair: one line, cut at the first CR.
  EXPECT_EQ(SplitBlockLines("a\rb\r\n"), std::vector<std::string_view>{"a"});
  EXPECT_EQ(SplitBlockLines("a\n\r\nb\r\n"), (std::vector<std::string_view>{"a", "b"}));
}

}  // namespace
}  // namespace converter
