#include "converter/core/control_parser.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

struct Parsed {
  BlockOutcome outcome;
  std::vector<ControlRecord> controlList;
};

Parsed Parse(const std::vector<std::string_view>& lines, std::int32_t container = 0) {
  Parsed parsed;
  parsed.outcome = ParseControlBlock(lines, container, parsed.controlList);
  return parsed;
}

TEST(ParseControlBlock, ReadsCommandButtonFieldsAsWritten) {
  const Parsed parsed =
      Parse({"   Begin VB.CommandButton Command1 ", "      Caption         =   \"OK\"", "      Height          =   495",
             "      Left            =   240", "      TabIndex        =   0", "      Top             =   2400",
             "      Width           =   1215", "   End"});
  ASSERT_EQ(parsed.controlList.size(), 1u);
  const ControlRecord& record = parsed.controlList[0];
  EXPECT_EQ(record.kind, ControlKind::CommandButton);
  EXPECT_EQ(record.recognised, -1);
  EXPECT_EQ(record.className, "VB.CommandButton");
  EXPECT_EQ(record.name, "Command1");
  EXPECT_EQ(record.caption, "\"OK\"");
  EXPECT_EQ(record.left, "240");
  EXPECT_EQ(record.top, "2400");
  EXPECT_EQ(record.width, "1215");
  EXPECT_EQ(record.height, "495");
  EXPECT_EQ(record.seq, 1);
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, false), std::nullopt);
}

TEST(ParseControlBlock, ControlWithoutCaptionTakesItsQuotedName) {
  const Parsed parsed = Parse({"   Begin VB.Label Label1 ", "      Height          =   255", "   End"});
  ASSERT_EQ(parsed.controlList.size(), 1u);
  EXPECT_EQ(parsed.controlList[0].caption, "\"Label1\"");
}

TEST(ParseControlBlock, ControlArrayMemberNameCarriesItsIndex) {
  const Parsed parsed = Parse({"   Begin VB.OptionButton Option1 ", "      Index           =   1", "   End"});
  ASSERT_EQ(parsed.controlList.size(), 1u);
  EXPECT_EQ(parsed.controlList[0].name, "Option1_1");
  EXPECT_EQ(parsed.controlList[0].caption, "\"Option1_1\"");
}

TEST(ParseControlBlock, LaterTextLineOverwritesCaption) {
  const Parsed parsed =
      Parse({"   Begin VB.TextBox Text1 ", "      Caption = \"c\"", "      Text            =   \"t\"", "   End"});
  EXPECT_EQ(parsed.controlList.at(0).caption, "\"t\"");
}

TEST(ParseControlBlock, LineEndPointsFillThePositionFields) {
  const Parsed parsed =
      Parse({"   Begin VB.Line Line1 ", "      X1              =   120", "      X2              =   3000",
             "      Y1              =   240", "      Y2              =   480", "   End"});
  const ControlRecord& record = parsed.controlList.at(0);
  EXPECT_EQ(record.left, "120");
  EXPECT_EQ(record.top, "240");
  EXPECT_EQ(record.width, "3000");
  EXPECT_EQ(record.height, "480");
}

TEST(ParseControlBlock, ValueIsTextAfterLastEqualsAndLongValuesAreCut) {
  const Parsed parsed =
      Parse({"   Begin VB.Label Label1 ", "      Caption = \"a=b\"", "      Left = 12345678", "      Top", "   End"});
  const ControlRecord& record = parsed.controlList.at(0);
  EXPECT_EQ(record.caption, "b\"");
  EXPECT_EQ(record.left, "1234567");
  EXPECT_EQ(record.top, "Top");  // no "=": the whole trimmed line
}

TEST(ParseControlBlock, PropertyGroupIsSkippedAndTheLineAfterItRead) {
  const Parsed parsed = Parse({"   Begin VB.Label Label1 ", "      BeginProperty Font ", "         Height = 99",
                               "      EndProperty", "      Height          =   255", "   End"});
  EXPECT_EQ(parsed.controlList.at(0).height, "255");
}

TEST(ParseControlBlock, DataFormatGroupDoesNotExcludeTheControl) {
  const Parsed parsed =
      Parse({"   Begin VB.TextBox Text1 ", "      BeginProperty DataFormat ", "      EndProperty", "   End"});
  ASSERT_EQ(parsed.controlList.size(), 1u);
}

TEST(ParseControlBlock, CaptionStartingWithBeginIsAnOrdinaryLine) {
  const Parsed parsed = Parse({"   Begin VB.Label Label1 ", "      Caption         =   \"Beginner\"", "   End"});
  ASSERT_EQ(parsed.controlList.size(), 1u);
  EXPECT_EQ(parsed.controlList[0].caption, "\"Beginner\"");
}

TEST(ParseControlBlock, ChildBlockKeepsItsContainer) {
  const Parsed parsed = Parse({"      Begin VB.Label Label1 ", "   End"}, 3);
  EXPECT_EQ(parsed.controlList.at(0).container, 3);
}

TEST(ParseControlBlock, ExcludedClassStoresNothing) {
  const Parsed parsed = Parse({"   Begin VB.Timer Timer1 ", "      Interval = 5", "   End"});
  EXPECT_TRUE(parsed.controlList.empty());
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, false), LeftOutReason::ExcludedClass);
  EXPECT_EQ(parsed.outcome.name, "Timer1");
  EXPECT_EQ(parsed.outcome.className, "VB.Timer");
}

TEST(ParseControlBlock, UnknownClassStoresNothing) {
  const Parsed parsed = Parse({"   Begin VB.Shape Shape1 ", "      Left = 5", "   End"});
  EXPECT_TRUE(parsed.controlList.empty());
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, false), LeftOutReason::UnknownClass);
}

TEST(ParseControlBlock, HeaderWithoutTrailingSpaceTakesBeginAsClass) {
  const Parsed parsed = Parse({"   Begin VB.Label Label1", "   End"});
  EXPECT_TRUE(parsed.controlList.empty());
  EXPECT_EQ(parsed.outcome.className, "Begin");
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, false), LeftOutReason::UnknownClass);
}

TEST(ParseControlBlock, TabClassAndMenuStoreNothing) {
  const Parsed tab = Parse({"   Begin TabCtl Tab1 ", "   End"});
  EXPECT_TRUE(tab.controlList.empty());
  EXPECT_EQ(LeftOutReasonFor(tab.outcome, false), LeftOutReason::TabClassWithoutKind);
  const Parsed menu = Parse({"   Begin Menu mnuFile ", "      Caption = \"File\"", "   End"});
  EXPECT_TRUE(menu.controlList.empty());
  EXPECT_EQ(LeftOutReasonFor(menu.outcome, false), LeftOutReason::Menu);
}

TEST(ParseControlBlock, BlockWithoutClosingLineStoresNothing) {
  const Parsed parsed = Parse({"   Begin VB.Label Label1 ", "      Caption = \"x\""});
  EXPECT_TRUE(parsed.controlList.empty());
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, true), LeftOutReason::CutAt2048);
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, false), LeftOutReason::NoClosingLine);
}

TEST(ParseControlBlock, UnclosedPropertyGroupEndsTheBlock) {
  const Parsed parsed = Parse({"   Begin VB.Label Label1 ", "      BeginProperty Font ", "   End"});
  EXPECT_TRUE(parsed.controlList.empty());
}

TEST(LeftOutReasonFor, CutHeaderLineIsReportedAsCut) {
  const Parsed parsed = Parse({});
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, true), LeftOutReason::CutAt2048);
  EXPECT_EQ(LeftOutReasonFor(parsed.outcome, false), LeftOutReason::UnknownClass);
}

TEST(StoreControl, NumbersRowsAndClearsTheRecord) {
  std::vector<ControlRecord> controlList(2);
  ControlRecord current;
  current.name = "A";
  current.container = 4;
  StoreControl(current, controlList);
  ASSERT_EQ(controlList.size(), 3u);
  EXPECT_EQ(controlList[2].seq, 3);
  EXPECT_EQ(controlList[2].name, "A");
  EXPECT_TRUE(current.name.empty());
  EXPECT_EQ(current.container, 0);
}

}  // namespace
}  // namespace converter
