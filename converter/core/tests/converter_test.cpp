#include "converter/core/converter.h"

#include <gtest/gtest.h>

#include "converter/core/catalogue.h"
#include "expected_header.h"
#include "well_formed_output.h"

namespace converter {
namespace {

using testing::Crlf;
using testing::ExpectedClosing;
using testing::ExpectedHeader;
using testing::kFormwrightCredit;
using testing::kPath;
using testing::kRule;
using testing::kTinwrightCredit;
using testing::Stamp;

const std::string kMainForm = Crlf({
    "VERSION 5.00",
    "Begin VB.Form frmMain ",
    "   Caption         =   \"Main Window\"",
    "   ClientHeight    =   3195",
    "   ClientLeft      =   60",
    "   ClientTop       =   345",
    "   ClientWidth     =   4680",
    "   Height          =   3600",
    "   Left            =   1080",
    "   LinkTopic       =   \"Form1\"",
    "   ScaleHeight     =   3195",
    "   ScaleWidth      =   4680",
    "   Top             =   1170",
    "   Width           =   4800",
    "   Begin VB.Frame Frame1 ",
    "      Caption         =   \"Options\"",
    "      Height          =   1215",
    "      Left            =   240",
    "      TabIndex        =   1",
    "      Top             =   240",
    "      Width           =   2175",
    "      Begin VB.CheckBox Check1 ",
    "         Caption         =   \"Bold\"",
    "         Height          =   255",
    "         Left            =   120",
    "         TabIndex        =   2",
    "         Top             =   360",
    "         Width           =   1215",
    "      End",
    "   End",
    "   Begin VB.CommandButton Command1 ",
    "      Caption         =   \"OK\"",
    "      Height          =   495",
    "      Left            =   240",
    "      TabIndex        =   0",
    "      Top             =   2400",
    "      Width           =   1215",
    "   End",
    "   Begin VB.Timer Timer1 ",
    "      Interval        =   100",
    "      Left            =   3000",
    "      Top             =   2400",
    "   End",
    "   Begin VB.Menu mnuFile ",
    "      Caption         =   \"&File\"",
    "      Begin VB.Menu mnuExit ",
    "         Caption         =   \"E&xit\"",
    "      End",
    "   End",
    "End",
    "Attribute VB_Name = \"frmMain\"",
    "Private Sub Command1_Click()",
    "   End",
    "End Sub",
});

std::string ExpectedMainForm(std::string_view creditLine, std::string_view dialogNew) {
  return ExpectedHeader(creditLine) +
         Crlf({kRule, "' Control Equates ", "%Check1                  =  101   ", "%Command1                =  102   ",
               "%Frame1                  =  103   ", "", "", ""}) +
         Crlf({"'============================== PopUp Equates ", "%mnuFile                 =  10001 ",
               "'============================== Menu Equates ", "%mnuExit                 =  10002 ", "", "", ""}) +
         Crlf({"'=========================    Callback Declares  ", "DECLARE CALLBACK FUNCTION Check1_CB()",
               "DECLARE CALLBACK FUNCTION Command1_CB()", "DECLARE CALLBACK FUNCTION Frame1_CB()", "", "'Menu Declares",
               "DECLARE CALLBACK FUNCTION mnuFile_CB()", "DECLARE CALLBACK FUNCTION mnuExit_CB()",
               "DECLARE CALLBACK FUNCTION  DlgProc()", kRule, ""}) +
         Crlf({"CALLBACK FUNCTION Check1_CB()", "", "END FUNCTION", "", "CALLBACK FUNCTION Command1_CB()", "",
               "END FUNCTION", "", "CALLBACK FUNCTION Frame1_CB()", "", "END FUNCTION", "",
               "CALLBACK FUNCTION  DlgProc()", "", "END FUNCTION", kRule, ""}) +
         Crlf({"FUNCTION PBMAIN() AS LONG ",
               "    LOCAL hDlg AS LONG",
               "    LOCAL result AS LONG",
               "",
               "    DIM hMenu AS LONG",
               "",
               "    DIM hPopup1 AS LONG",
               "    MENU NEW BAR TO hMenu",
               "",
               "    MENU NEW POPUP TO hPopup1",
               "    MENU ADD STRING, hPopup1, \"E&xit\", %mnuExit, %MF_ENABLED",
               "    MENU ADD POPUP, hMenu, \"&File\", hPopup1, %MF_ENABLED",
               "",
               "    'Initialize common controls",
               "    InitCommonControls",
               "",
               "    '== CREATE DDT DIALOG",
               dialogNew,
               "    %WS_CAPTION OR %WS_SYSMENU, 0 TO hDlg",
               "",
               "    MENU ATTACH hMenu, hDlg",
               "",
               "    ' Abort if the dialog could not be created",
               "    IF hDlg = 0 THEN EXIT FUNCTION  ' Error occurred",
               "",
               "    ' Save the handle for global access",
               "    ghDlg = hDlg",
               "",
               ""}) +
         Crlf({"'===================================== Add the Controls ",
               "    CONTROL ADD CHECKBOX, hDlg, %Check1,  \"Bold\",  16,  25,  54,  10,,,  CALL  Check1_CB",
               "    CONTROL ADD BUTTON, hDlg, %Command1,  \"OK\",  11,  98,  54,  20,,,  CALL  Command1_CB",
               "    CONTROL ADD FRAME, hDlg, %Frame1,  \"Options\",  11,  10,  97,  50,,, "}) +
         ExpectedClosing();
}

TEST(ConvertForm, FormwrightWritesTheWholeSourceByteForByte) {
  Converter converter(Edition::Formwright, Stamp);
  StringSink out;
  converter.ConvertForm(kMainForm, kPath, out);
  EXPECT_EQ(out.bytes(), ExpectedMainForm(kFormwrightCredit, "    DIALOG NEW 0, \"Main Window\", 48, 48, 208, 143, _"));
}

TEST(ConvertForm, TinwrightUsesTheOuterSizeLessTheFrame) {
  Converter converter(Edition::Tinwright, Stamp);
  StringSink out;
  converter.ConvertForm(kMainForm, kPath, out);
  EXPECT_EQ(out.bytes(), ExpectedMainForm(kTinwrightCredit, "    DIALOG NEW 0, \"Main Window\", 48, 48, 209, 144, _"));
}

TEST(ConvertForm, ReportsConvertedKindsAndLeftOutControls) {
  Converter converter(Edition::Formwright, Stamp);
  StringSink out;
  const ConversionReport report = converter.ConvertForm(kMainForm, kPath, out);
  EXPECT_EQ(report.converted(), 3);
  EXPECT_EQ(report.convertedByKind[static_cast<int>(ControlKind::CheckBox)], 1);
  EXPECT_EQ(report.convertedByKind[static_cast<int>(ControlKind::Frame)], 1);
  ASSERT_EQ(report.leftOut.size(), 1u);
  EXPECT_EQ(report.leftOut[0].name, "Timer1");
  EXPECT_EQ(report.leftOut[0].reason, LeftOutReason::ExcludedClass);
  EXPECT_EQ(LeftOutReasonText(report.leftOut[0].reason), "excluded class");
}

const std::string kSmallForm = Crlf({"VERSION 2.00", "Begin Form Small ", "   Caption         =   \"Small\"",
                                     "   Begin Label Label1 ", "      Left            =   120", "   End", "End"});

TEST(ConvertForm, SecondConversionNumbersOnWithoutCarryingAnythingOver) {
  Converter converter(Edition::Formwright, Stamp);
  StringSink first;
  converter.ConvertForm(kMainForm, kPath, first);
  StringSink second;
  converter.ConvertForm(kSmallForm, "Small.frm", second);
  EXPECT_EQ(converter.conversionNumber(), 2);
  const std::string& text = second.bytes();
  EXPECT_NE(text.find(Crlf({"' Control Equates ", "%Label1                  =  201   ", "", "", "",
                            "'=========================    Callback Declares  "})),
            std::string::npos);
  EXPECT_EQ(text.find("Command1"), std::string::npos);
  EXPECT_EQ(text.find("mnu"), std::string::npos);
  EXPECT_EQ(text.find("hMenu"), std::string::npos);
  EXPECT_NE(text.find("    DIALOG NEW 0, \"Small\", 0, 0, 0, 0, _\r\n"), std::string::npos);

  StringSink third;
  converter.ConvertForm(kMainForm, kPath, third);
  EXPECT_NE(third.bytes().find("%mnuFile                 =  30001 \r\n"), std::string::npos);
}

TEST(ConvertForm, TheInjectedClockStampsEveryConversion) {
  int calls = 0;
  Converter converter(Edition::Formwright, [&calls] {
    ++calls;
    return LocalDateTime{1999, 12, 31, 23, 59, 59};
  });
  StringSink out;
  converter.ConvertForm(kSmallForm, "Small.frm", out);
  EXPECT_EQ(calls, 1);
  EXPECT_NE(out.bytes().find("'Date: 12-31-1999                                       Time: 23:59:59\r\n"),
            std::string::npos);
}

struct Conversion {
  std::string output;
  ConversionReport report;
};

Conversion ConvertOnce(Edition edition, std::string_view form) {
  Converter converter(edition, Stamp);
  StringSink out;
  const ConversionReport report = converter.ConvertForm(form, kPath, out);
  return {out.bytes(), report};
}

TEST(ConvertForm, LfOnlyFormConvertsExactlyAsItsCrLfTwin) {
  std::string lfOnly = kMainForm;
  std::erase(lfOnly, '\r');
  for (const Edition edition : {Edition::Formwright, Edition::Tinwright}) {
    const Conversion twin = ConvertOnce(edition, kMainForm);
    const Conversion lf = ConvertOnce(edition, lfOnly);
    EXPECT_EQ(lf.output, twin.output);
    EXPECT_EQ(lf.report.convertedByKind, twin.report.convertedByKind);
    EXPECT_EQ(lf.report.leftOut.size(), twin.report.leftOut.size());
    EXPECT_TRUE(lf.report.lfReadAsCrLf);
    EXPECT_FALSE(twin.report.lfReadAsCrLf);
  }
}

// A form with any CR keeps every byte rule: one lone LF joins Command1's
// Height and Left lines, whose first key is Height and whose value is the
// text after the last "=".
TEST(ConvertForm, LoneLfInAFormWithCrLfIsAnOrdinaryByte) {
  std::string mixed = kMainForm;
  const std::string joined = "495\r\n      Left";
  mixed.replace(mixed.find(joined), joined.size(), "495\n      Left");
  std::string expected = ExpectedMainForm(kFormwrightCredit, "    DIALOG NEW 0, \"Main Window\", 48, 48, 208, 143, _");
  const std::string button = "%Command1,  \"OK\",  11,  98,  54,  20,";
  expected.replace(expected.find(button), button.size(), "%Command1,  \"OK\",  0,  98,  54,  10,");
  const Conversion lone = ConvertOnce(Edition::Formwright, mixed);
  EXPECT_EQ(lone.output, expected);
  EXPECT_FALSE(lone.report.lfReadAsCrLf);
}

// A block without its closing line runs to the end of what holds it; a
// top-level control holding none is stored only if one of its lines reads as
// a closing line.
TEST(ConvertForm, UnclosedBlocksKeepTheControlsTheFileNames) {
  struct Case {
    std::string controls;
    std::string equates;        // writer order
    std::string noClosingLine;  // left out for that reason
  };
  const Case cases[] = {
      {Crlf({"   Begin VB.Frame F ", "      Begin VB.Label L ", "      End"}), "%L %F ", ""},
      // A runs to the frame's end: B's header is one of its lines.
      {Crlf({"   Begin VB.Frame F ", "      Begin VB.Label A ", "      Begin VB.Label B ", "      End"}), "%F ", "B "},
      {Crlf({"   Begin VB.Label L ", "      Caption = \"x\"", "      End"}), "%L ", ""},
      {Crlf({"   Begin VB.Label L ", "      Caption = \"x\""}), "", "L "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.controls);
    const Conversion conversion = ConvertOnce(
        Edition::Formwright, Crlf({"VERSION 5.00", "Begin VB.Form Form1 "}) + c.controls + Crlf({"End", "Attribute"}));
    std::string equates;
    for (const std::string& line : testing::LinesAfter(testing::Lines(conversion.output), "' Control Equates ")) {
      equates += line.substr(0, line.find(' ') + 1);
    }
    std::string noClosingLine;
    for (const LeftOutControl& control : conversion.report.leftOut) {
      if (control.reason == LeftOutReason::NoClosingLine) noClosingLine += control.name + " ";
    }
    EXPECT_EQ(equates, c.equates);
    EXPECT_EQ(noClosingLine, c.noClosingLine);
  }
}

TEST(ConvertForm, EmptyInputStillWritesACompleteSource) {
  Converter converter(Edition::Tinwright, Stamp);
  StringSink out;
  converter.ConvertForm("", "x.frm", out);
  EXPECT_NE(out.bytes().find("    DIALOG NEW 0, \"\", 0, 0, -4, -16, _\r\n"), std::string::npos);
  EXPECT_TRUE(out.bytes().ends_with(Crlf({"END FUNCTION", kRule, ""})));
}

TEST(OutputPathFor, ReplacesExactlyTheLastThreeCharacters) {
  EXPECT_EQ(OutputPathFor("C:\\forms\\Main.frm"), "C:\\forms\\Main.DDT");
  EXPECT_EQ(OutputPathFor("C:\\f\\Form.text"), "C:\\f\\Form.tDDT");
  EXPECT_EQ(OutputPathFor("C:\\f\\Main"), "C:\\f\\MDDT");
  EXPECT_EQ(OutputPathFor("ab"), "DDT");
}

TEST(EditionName, NamesBothBuilds) {
  EXPECT_EQ(EditionName(Edition::Formwright), "formwright");
  EXPECT_EQ(EditionName(Edition::Tinwright), "tinwright");
}

}  // namespace
}  // namespace converter
