// Whole outputs for forms as Visual Basic 3 (2.00) and 4 (4.00) write them:
// VB3's unprefixed classes and "Begin Menu" menus at three levels, a control
// array, a line, a two-line scroll bar statement, an excluded and an unknown
// class; a 4.00 picture box holding an image, list and combo arrays, and the
// primer build's outer size keys.
#include <gtest/gtest.h>

#include "converter/core/converter.h"
#include "expected_header.h"

namespace converter {
namespace {

using testing::Crlf;
using testing::ExpectedClosing;
using testing::ExpectedHeader;
using testing::kFormwrightCredit;
using testing::kRule;
using testing::kPath;
using testing::kTinwrightCredit;
using testing::Stamp;

std::string Convert(Edition edition, const std::string& form) {
  Converter converter(edition, Stamp);
  StringSink out;
  converter.ConvertForm(form, kPath, out);
  return out.bytes();
}

TEST(Version2Form, ConvertsWithItsMenusArraysLineAndScrollBar) {
  const std::string form = Crlf({
      "VERSION 2.00", "Begin Form Calc ", "   Caption         =   \"Mini Calc\"", "   ClientHeight    =   2400",
      "   ClientLeft      =   1095", "   ClientTop       =   1770", "   ClientWidth     =   3600",
      "   Height          =   3090", "   Left            =   1035", "   LinkTopic       =   \"Form1\"",
      "   ScaleHeight     =   2400", "   ScaleWidth      =   3600", "   Top             =   1140",
      "   Width           =   3720",
      "   Begin CommandButton Digit ", "      Caption         =   \"1\"", "      Height          =   375",
      "      Index           =   1", "      Left            =   120", "      TabIndex        =   1",
      "      Top             =   600", "      Width           =   495", "   End",
      "   Begin CommandButton Digit ", "      Caption         =   \"2\"", "      Height          =   375",
      "      Index           =   2", "      Left            =   720", "      TabIndex        =   2",
      "      Top             =   600", "      Width           =   495", "   End",
      "   Begin TextBox Display ", "      Height          =   285", "      Left            =   120",
      "      TabIndex        =   0", "      Text            =   \"0\"", "      Top             =   120",
      "      Width           =   3375", "   End",
      "   Begin Line Rule ", "      X1              =   120", "      X2              =   3480",
      "      Y1              =   480", "      Y2              =   480", "   End",
      "   Begin HScrollBar Speed ", "      Height          =   255", "      Left            =   120",
      "      Max             =   10", "      TabIndex        =   3", "      Top             =   1200",
      "      Width           =   3375", "   End",
      "   Begin Timer Blink ", "      Interval        =   500", "      Left            =   3000",
      "      Top             =   1800", "   End",
      "   Begin Spin3D Knob ", "      Height          =   495", "      Left            =   1320",
      "      Top             =   600", "      Width           =   255", "   End",
      "   Begin Menu mnuEdit ", "      Caption         =   \"&Edit\"", "      Begin Menu mnuCopy ",
      "         Caption         =   \"&Copy\"", "         Shortcut        =   ^C", "      End",
      "      Begin Menu mnuMode ", "         Caption         =   \"&Mode\"", "         Begin Menu mnuSci ",
      "            Caption         =   \"&Scientific\"", "         End", "      End", "   End",
      "   Begin Menu mnuHelp ", "      Caption         =   \"&Help\"", "      Begin Menu mnuAbout ",
      "         Caption         =   \"&About...\"", "      End", "   End",
      "End",
  });
  const std::string expected =
      ExpectedHeader(kFormwrightCredit) +
      Crlf({kRule, "' Control Equates ", "%Speed                   =  101   ", "%Rule                    =  102   ",
            "%Display                 =  103   ", "%Digit_2                 =  104   ",
            "%Digit_1                 =  105   ", "", "", ""}) +
      Crlf({"'============================== PopUp Equates ", "%mnuEdit                 =  10001 ",
            "%mnuHelp                 =  10002 ", "'============================== Menu Equates ",
            "%mnuCopy                 =  10003 ", "%mnuMode                 =  10004 ",
            "%mnuSci                  =  10005 ", "%mnuAbout                =  10006 ", "", "", ""}) +
      Crlf({"'=========================    Callback Declares  ", "DECLARE CALLBACK FUNCTION Speed_CB()",
            "DECLARE CALLBACK FUNCTION Rule_CB()", "DECLARE CALLBACK FUNCTION Display_CB()",
            "DECLARE CALLBACK FUNCTION Digit_2_CB()", "DECLARE CALLBACK FUNCTION Digit_1_CB()", "", "'Menu Declares",
            "DECLARE CALLBACK FUNCTION mnuEdit_CB()", "DECLARE CALLBACK FUNCTION mnuHelp_CB()",
            "DECLARE CALLBACK FUNCTION mnuCopy_CB()", "DECLARE CALLBACK FUNCTION mnuMode_CB()",
            "DECLARE CALLBACK FUNCTION mnuSci_CB()", "DECLARE CALLBACK FUNCTION mnuAbout_CB()",
            "DECLARE CALLBACK FUNCTION  DlgProc()", kRule, ""}) +
      Crlf({"CALLBACK FUNCTION Speed_CB()", "", "END FUNCTION", "", "CALLBACK FUNCTION Rule_CB()", "", "END FUNCTION",
            "", "CALLBACK FUNCTION Display_CB()", "", "END FUNCTION", "", "CALLBACK FUNCTION Digit_2_CB()", "",
            "END FUNCTION", "", "CALLBACK FUNCTION Digit_1_CB()", "", "END FUNCTION", "",
            "CALLBACK FUNCTION  DlgProc()", "", "END FUNCTION", kRule, ""}) +
      Crlf({"FUNCTION PBMAIN() AS LONG ", "    LOCAL hDlg AS LONG", "    LOCAL result AS LONG", "",
            "    DIM hMenu AS LONG", "", "    DIM hPopup1 AS LONG", "    DIM hPopup2 AS LONG",
            "    MENU NEW BAR TO hMenu", "", "    MENU NEW POPUP TO hPopup1", "    MENU NEW POPUP TO hPopup2",
            "    MENU ADD STRING, hPopup1, \"&Copy\", %mnuCopy, %MF_ENABLED",
            "    MENU ADD STRING, hPopup1, \"&Mode\", %mnuMode, %MF_ENABLED",
            "    MENU ADD STRING, hPopup1, \"&Scientific\", %mnuSci, %MF_ENABLED",
            "    MENU ADD STRING, hPopup2, \"&About...\", %mnuAbout, %MF_ENABLED",
            "    MENU ADD POPUP, hMenu, \"&Edit\", hPopup1, %MF_ENABLED",
            "    MENU ADD POPUP, hMenu, \"&Help\", hPopup2, %MF_ENABLED", "", "    'Initialize common controls",
            "    InitCommonControls", "", "    '== CREATE DDT DIALOG", "    DIALOG NEW 0, \"Mini Calc\", 46, 47, 160, 110, _",
            "    %WS_CAPTION OR %WS_SYSMENU, 0 TO hDlg", "", "    MENU ATTACH hMenu, hDlg", "",
            "    ' Abort if the dialog could not be created", "    IF hDlg = 0 THEN EXIT FUNCTION  ' Error occurred", "",
            "    ' Save the handle for global access", "    ghDlg = hDlg", "", ""}) +
      Crlf({"'===================================== Add the Controls ",
            "    'CONTROL ADD \"scrollbar\", hDlg, %Speed,  \"Speed\",  5,  49,  150,  10, _",
            "    '%WS_CHILD OR %WS_VISIBLE OR %WS_TABSTOP OR %SBS_HORZ,  CALL  Speed_CB",
            "    CONTROL ADD LINE, hDlg, %Rule,  \"Rule\",  5,  20,  155,  20,,,  CALL  Rule_CB",
            "    CONTROL ADD TEXTBOX, hDlg, %Display,  \"0\",  5,  5,  150,  12,,,  CALL  Display_CB",
            "    CONTROL ADD BUTTON, hDlg, %Digit_2,  \"2\",  32,  25,  22,  15,,,  CALL  Digit_2_CB",
            "    CONTROL ADD BUTTON, hDlg, %Digit_1,  \"1\",  5,  25,  22,  15,,,  CALL  Digit_1_CB"}) +
      ExpectedClosing();
  EXPECT_EQ(Convert(Edition::Formwright, form), expected);
}

TEST(Version4Form, PrimerBuildConvertsAPictureBoxHoldingAnImageWithListArrays) {
  const std::string form = Crlf({
      "VERSION 4.00", "Begin VB.Form frmPick ", "   Caption         =   \"Pick\"", "   ClientHeight    =   1800",
      "   ClientLeft      =   60", "   ClientTop       =   345", "   ClientWidth     =   2700",
      "   Height          =   2205", "   Left            =   600", "   LinkTopic       =   \"Form1\"",
      "   ScaleHeight     =   1800", "   ScaleWidth      =   2700", "   Top             =   600",
      "   Width           =   2820",
      "   Begin VB.ListBox lstItems ", "      Height          =   840", "      Left            =   1440",
      "      TabIndex        =   1", "      Top             =   120", "      Width           =   1095", "   End",
      "   Begin VB.PictureBox picFrame ", "      Height          =   975", "      Left            =   120",
      "      ScaleHeight     =   915", "      ScaleWidth      =   1155", "      TabIndex        =   0",
      "      Top             =   120", "      Width           =   1215", "      Begin VB.Image imgLogo ",
      "         Height          =   480", "         Left            =   240", "         Top             =   240",
      "         Width           =   480", "      End", "   End",
      "   Begin VB.ComboBox cboKind ", "      Height          =   315", "      Left            =   120",
      "      TabIndex        =   2", "      Text            =   \"Any\"", "      Top             =   1320",
      "      Width           =   2415", "   End",
      "End", "Attribute VB_Name = \"frmPick\"",
  });
  const std::string expected =
      ExpectedHeader(kTinwrightCredit) +
      Crlf({kRule, "' Control Equates ", "%imgLogo                 =  101   ", "%cboKind                 =  102   ",
            "%picFrame                =  103   ", "%lstItems                =  104   ", "", "", ""}) +
      Crlf({"'=========================    Callback Declares  ", "DECLARE CALLBACK FUNCTION imgLogo_CB()",
            "DECLARE CALLBACK FUNCTION cboKind_CB()", "DECLARE CALLBACK FUNCTION picFrame_CB()",
            "DECLARE CALLBACK FUNCTION lstItems_CB()", "DECLARE CALLBACK FUNCTION  DlgProc()", kRule, ""}) +
      Crlf({"CALLBACK FUNCTION imgLogo_CB()", "", "END FUNCTION", "", "CALLBACK FUNCTION cboKind_CB()", "",
            "END FUNCTION", "", "CALLBACK FUNCTION picFrame_CB()", "", "END FUNCTION", "",
            "CALLBACK FUNCTION lstItems_CB()", "", "END FUNCTION", "", "CALLBACK FUNCTION  DlgProc()", "",
            "END FUNCTION", kRule, ""}) +
      Crlf({"FUNCTION PBMAIN() AS LONG ", "    LOCAL hDlg AS LONG", "    LOCAL result AS LONG",
            "    DIM  imgLogo_img$", "    DIM  cboKind$()  ", "    DIM  picFrame_img$", "    DIM  lstItems$()  ", "", "",
            "    'Initialize common controls", "    InitCommonControls", "", "    '== CREATE DDT DIALOG",
            "    DIALOG NEW 0, \"Pick\", 27, 25, 121, 74, _", "    %WS_CAPTION OR %WS_SYSMENU, 0 TO hDlg", "",
            "    ' Abort if the dialog could not be created", "    IF hDlg = 0 THEN EXIT FUNCTION  ' Error occurred", "",
            "    ' Save the handle for global access", "    ghDlg = hDlg", "", ""}) +
      Crlf({"'===================================== Add the Controls ",
            "    CONTROL ADD IMAGE, hDlg, %imgLogo,  imgLogo_Img$,  16,  15,  21,  20,,  CALL imgLogo_CB",
            "    CONTROL ADD COMBOBOX, hDlg, %cboKind,  cboKind$(),  5,  54,  107,  13,,,  CALL  cboKind_CB",
            "    CONTROL ADD IMAGE, hDlg, %picFrame,  picFrame_Img$, 5,  5,  54,  40,,  CALL picFrame_CB",
            "    CONTROL ADD LISTBOX, hDlg, %lstItems,  lstItems$(),  64,  5,  49,  34,,,  CALL  lstItems_CB"}) +
      ExpectedClosing();
  EXPECT_EQ(Convert(Edition::Tinwright, form), expected);
}

}  // namespace
}  // namespace converter
