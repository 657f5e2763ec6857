#include "converter/core/form_model.h"

#include <gtest/gtest.h>

#include "crlf_text.h"

namespace converter {
namespace {

using testing::Crlf;

std::string Form(std::string_view controls) {
  return Crlf({"VERSION 5.00", "Begin VB.Form Form1 ", "   ClientHeight    =   3195"}) + std::string(controls) +
         Crlf({"End", "Attribute VB_Name = \"Form1\""});
}

// The model phases up to, not including, the unit conversion.
FormModel ModelInTwips(std::string_view controls, std::vector<LeftOutControl>* leftOut = nullptr) {
  FormModel model;
  const FormText text = SplitFormText(Form(controls));
  std::vector<LeftOutControl> left = ReadFormModel(text, Edition::Formwright, model);
  if (leftOut != nullptr) *leftOut = std::move(left);
  if (model.hasChildren) OffsetChildren(model);
  ReverseControls(model);
  return model;
}

std::vector<std::string> Names(const std::vector<ControlRecord>& list) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const ControlRecord& record : list) names.push_back(record.name);
  return names;
}

TEST(ReadFormModel, ReadsHeaderMenuLinesAndControls) {
  FormModel model;
  const std::string form = Form(
      Crlf({"   Begin VB.Label A ", "   End", "   Begin VB.Menu mnuFile ", "      Caption = \"&File\"", "   End"}));
  const FormText text = SplitFormText(form);
  EXPECT_TRUE(ReadFormModel(text, Edition::Formwright, model).empty());
  EXPECT_EQ(model.formHeader.height, "3195");
  EXPECT_EQ(model.headerLines.front(), "VERSION 5.00");
  EXPECT_EQ(model.headerLines.back(), " End");
  ASSERT_EQ(model.controlCount(), 1);
  ASSERT_GE(model.menuLines.size(), 2u);
  EXPECT_EQ(model.menuLines[0], "   Begin VB.Menu mnuFile ");
}

TEST(ReverseControls, WriterListIsReversedAndRenumbered) {
  const FormModel model = ModelInTwips(
      Crlf({"   Begin VB.Label A ", "   End", "   Begin VB.Label B ", "   End", "   Begin VB.Label C ", "   End"}));
  EXPECT_EQ(Names(model.writerList), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(model.writerList[0].seq, 1);
  EXPECT_EQ(model.writerList[2].seq, 3);
  EXPECT_EQ(model.controlList[0].seq, 1);
}

TEST(OffsetChildren, ChildIsShiftedByItsFrameAndStoredAfterTopLevelControls) {
  const FormModel model = ModelInTwips(Crlf(
      {"   Begin VB.Frame Frame1 ", "      Left            =   240", "      Top             =   100",
       "      Begin VB.CommandButton Command1 ", "         Left            =   120", "         Top             =   30",
       "      End", "   End", "   Begin VB.Label Label1 ", "      Left            =   5", "   End"}));
  EXPECT_EQ(Names(model.controlList), (std::vector<std::string>{"Frame1", "Label1", "Command1"}));
  const ControlRecord& button = model.controlList[2];
  EXPECT_EQ(button.left, " 360");
  EXPECT_EQ(button.top, " 130");
  EXPECT_EQ(model.controlList[0].left, "240");  // top-level controls keep their text
  EXPECT_EQ(model.controlList[1].left, "5");
}

TEST(OffsetChildren, NestedContainersAddUpAtEveryDepth) {
  const FormModel model = ModelInTwips(
      Crlf({"   Begin VB.Frame Outer ", "      Left = 1000", "      Top = 2000", "      Begin VB.PictureBox Middle ",
            "         Left = 100", "         Top = 200", "         Begin VB.Frame Inner ", "            Left = 10",
            "            Top = 20", "            Begin VB.Label Deep ", "               Left = 1",
            "               Top = 2", "            End", "         End", "      End", "   End"}));
  EXPECT_EQ(Names(model.controlList), (std::vector<std::string>{"Outer", "Middle", "Inner", "Deep"}));
  EXPECT_EQ(model.controlList[1].left, "1100");
  EXPECT_EQ(model.controlList[2].left, "1110");
  EXPECT_EQ(model.controlList[2].top, "2220");
  EXPECT_EQ(model.controlList[3].left, "1111");
  EXPECT_EQ(model.controlList[3].top, "2222");
}

TEST(OffsetChildren, ContainersWithoutRecordStillShiftTheirChildren) {
  std::vector<LeftOutControl> leftOut;
  const FormModel model = ModelInTwips(
      Crlf({"   Begin Threed.SSPanel Panel1 ", "      Left = 300", "      Begin VB.Shape Shape1 ", "         Left = 30",
            "         Begin VB.Label Label1 ", "            Left = 3", "         End", "      End", "   End"}),
      &leftOut);
  ASSERT_EQ(model.controlCount(), 1);
  EXPECT_EQ(model.controlList[0].left, " 333");
  ASSERT_EQ(leftOut.size(), 2u);
  EXPECT_EQ(leftOut[0].reason, LeftOutReason::ExcludedClass);
  EXPECT_EQ(leftOut[1].reason, LeftOutReason::UnknownClass);
}

TEST(OffsetChildren, RoundsHalvesToEvenAndWritesWideSumsWholeUpToTheField) {
  const FormModel model = ModelInTwips(
      Crlf({"   Begin VB.Frame Frame1 ", "      Left = 9999999", "      Top = 2.5", "      Begin VB.Label Label1 ",
            "         Left = 9999999", "         Top = 0.5", "      End", "   End"}));
  const ControlRecord& label = model.controlList.at(1);
  EXPECT_EQ(label.left, "1999999");  // 19999998 cut to the 7-character field
  EXPECT_EQ(label.top, "   2");      // 2 + 0
}

TEST(ReadFormModel, LeftOutControlsAreReportedInFileOrder) {
  std::vector<LeftOutControl> leftOut;
  ModelInTwips(Crlf({"   Begin VB.Frame Frame1 ", "      Begin VB.Timer Timer1 ", "      End", "   End",
                     "   Begin VB.Shape Shape1 ", "   End"}),
               &leftOut);
  ASSERT_EQ(leftOut.size(), 2u);
  EXPECT_EQ(leftOut[0].name, "Timer1");
  EXPECT_EQ(leftOut[1].name, "Shape1");
  EXPECT_EQ(leftOut[1].className, "VB.Shape");
}

TEST(ReadFormModel, EveryBlockStartsFromAnEmptyRecord) {
  const std::string cutLabel =
      "   Begin VB.Label Cut \r\n      Caption = \"" + std::string(2100, 'x') + "\"\r\n   End\r\n";
  std::vector<LeftOutControl> leftOut;
  const FormModel model = ModelInTwips(cutLabel + Crlf({"   Begin VB.Shape Shape1 ", "   End"}), &leftOut);
  EXPECT_EQ(model.controlCount(), 0);
  ASSERT_EQ(leftOut.size(), 2u);
  EXPECT_EQ(leftOut[0].reason, LeftOutReason::CutAt2048);
  EXPECT_EQ(leftOut[1].reason, LeftOutReason::UnknownClass);
}

TEST(ConvertControlUnits, ConvertsWriterListToDialogUnits) {
  FormModel model = ModelInTwips(Crlf({"   Begin VB.CommandButton Command1 ", "      Caption         =   \"OK\"",
                                       "      Height          =   495", "      Left            =   240",
                                       "      Top             =   2400", "      Width           =   1215", "   End"}));
  ConvertControlUnits(model);
  const ControlRecord& button = model.writerList.at(0);
  EXPECT_EQ(button.caption, "\"OK\"");
  EXPECT_EQ(button.left, "   11");
  EXPECT_EQ(button.top, "   98");
  EXPECT_EQ(button.width, "   54");
  EXPECT_EQ(button.height, "   20");
  EXPECT_EQ(model.controlList[0].left, "240");  // controlList keeps twips
}

}  // namespace
}  // namespace converter
