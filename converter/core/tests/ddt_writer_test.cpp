#include "converter/core/ddt_writer.h"

#include <gtest/gtest.h>

#include "expected_header.h"

namespace converter {
namespace {

using testing::Crlf;
using testing::ExpectedHeader;
using testing::kFormwrightCredit;
using testing::kRule;
using testing::kTinwrightCredit;

ControlRecord Control(std::string name, ControlKind kind) {
  ControlRecord record;
  record.name = std::move(name);
  record.kind = kind;
  return record;
}

MenuTables FileMenu() {
  return {{{1, "mnuFile", "\"&File\""}}, {{1, "mnuOpen", "\"&Open\""}, {1, "mnuExit", "\"E&xit\""}}};
}

const LocalDateTime kStamp{2001, 3, 7, 9, 5, 0};

TEST(HeaderSection, FormwrightNamesTheFullBuild) {
  EXPECT_EQ(HeaderSection("C:\\forms\\Main.frm", kStamp, Edition::Formwright), ExpectedHeader(kFormwrightCredit));
}

TEST(HeaderSection, TinwrightNamesThePrimerBuild) {
  EXPECT_EQ(HeaderSection("C:\\forms\\Main.frm", kStamp, Edition::Tinwright), ExpectedHeader(kTinwrightCredit));
}

TEST(HeaderSection, CreditLinesPutTheBracketInOneColumn) {
  const std::string formwright = HeaderSection("", kStamp, Edition::Formwright);
  const std::string tinwright = HeaderSection("", kStamp, Edition::Tinwright);
  EXPECT_EQ(formwright.find("(Written"), tinwright.find("(Written"));
}

TEST(HeaderSection, DateAndTimeAreZeroPadded) {
  const std::string header = HeaderSection("f", {987, 12, 31, 23, 59, 58}, Edition::Formwright);
  EXPECT_NE(header.find("'Date: 12-31-0987                                       Time: 23:59:58\r\n"),
            std::string::npos);
}

TEST(ControlEquatesSection, NumbersControlsFromTheConversionNumber) {
  const std::vector<ControlRecord> controls = {Control("Command1", ControlKind::CommandButton),
                                               Control("Label1", ControlKind::Label)};
  EXPECT_EQ(ControlEquatesSection(controls, 1), Crlf({kRule, "' Control Equates ", "%Command1                =  101   ",
                                                      "%Label1                  =  102   ", "", "", ""}));
  EXPECT_NE(ControlEquatesSection(controls, 2).find("%Label1                  =  202   \r\n"), std::string::npos);
}

TEST(ControlEquatesSection, NoControlsLeavesTheHeadingsAndBlankLines) {
  EXPECT_EQ(ControlEquatesSection({}, 1), Crlf({kRule, "' Control Equates ", "", "", ""}));
}

TEST(ControlEquatesSection, LongNamesAndNumbersAreCutToTheirColumns) {
  const std::vector<ControlRecord> controls = {Control("AVeryLongControlNameIndeed", ControlKind::Label)};
  EXPECT_EQ(ControlEquatesSection(controls, 100000),
            Crlf({kRule, "' Control Equates ", "%AVeryLongControlNameInde=  100000", "", "", ""}));
}

TEST(MenuEquatesSection, ItemsAreNumberedAfterThePopups) {
  EXPECT_EQ(MenuEquatesSection(FileMenu(), 1),
            Crlf({"'============================== PopUp Equates ", "%mnuFile                 =  10001 ",
                  "'============================== Menu Equates ", "%mnuOpen                 =  10002 ",
                  "%mnuExit                 =  10003 ", "", "", ""}));
}

TEST(MenuEquatesSection, NothingWithoutPopupsEvenWithItems) {
  EXPECT_EQ(MenuEquatesSection({{}, {{0, "mnuOrphan", "\"x\""}}}, 1), "");
}

TEST(DeclarationsSection, DeclaresControlsPopupsAndItems) {
  const std::vector<ControlRecord> controls = {Control("Command1", ControlKind::CommandButton)};
  EXPECT_EQ(DeclarationsSection(controls, FileMenu()),
            Crlf({"'=========================    Callback Declares  ", "DECLARE CALLBACK FUNCTION Command1_CB()", "",
                  "'Menu Declares", "DECLARE CALLBACK FUNCTION mnuFile_CB()", "DECLARE CALLBACK FUNCTION mnuOpen_CB()",
                  "DECLARE CALLBACK FUNCTION mnuExit_CB()", "DECLARE CALLBACK FUNCTION  DlgProc()", kRule, ""}));
}

TEST(DeclarationsSection, ItemsWithoutPopupsAreDeclaredWithoutTheMenuHeading) {
  EXPECT_EQ(DeclarationsSection({}, {{}, {{0, "mnuOrphan", "\"x\""}}}),
            Crlf({"'=========================    Callback Declares  ", "DECLARE CALLBACK FUNCTION mnuOrphan_CB()",
                  "DECLARE CALLBACK FUNCTION  DlgProc()", kRule, ""}));
}

TEST(CallbackBodiesSection, EveryControlGetsAnEmptyCallback) {
  const std::vector<ControlRecord> controls = {Control("A", ControlKind::Label), Control("B", ControlKind::Label)};
  EXPECT_EQ(CallbackBodiesSection(controls),
            Crlf({"CALLBACK FUNCTION A_CB()", "", "END FUNCTION", "", "CALLBACK FUNCTION B_CB()", "", "END FUNCTION",
                  "", "CALLBACK FUNCTION  DlgProc()", "", "END FUNCTION", kRule, ""}));
}

FormModel DialogModel() {
  FormModel model;
  model.formHeader.caption = "Main";
  model.formHeader.dlgLeft = "    1";
  model.formHeader.dlgTop = "    2";
  model.formHeader.dlgWidth = "  208";
  model.formHeader.dlgHeight = "  131";
  model.formHeader.dlgHeightWithMenu = "  143";
  model.writerList = {Control("List1", ControlKind::ListBox), Control("Image1", ControlKind::Image),
                      Control("Label1", ControlKind::Label), Control("Combo1", ControlKind::ComboBox),
                      Control("Picture1", ControlKind::PictureBox)};
  return model;
}

TEST(MainFunctionSection, WithoutMenusUsesThePlainHeight) {
  EXPECT_EQ(MainFunctionSection(DialogModel(), {}), Crlf({"FUNCTION PBMAIN() AS LONG ",
                                                          "    LOCAL hDlg AS LONG",
                                                          "    LOCAL result AS LONG",
                                                          "    DIM  List1$()  ",
                                                          "    DIM  Image1_img$",
                                                          "    DIM  Combo1$()  ",
                                                          "    DIM  Picture1_img$",
                                                          "",
                                                          "",
                                                          "    'Initialize common controls",
                                                          "    InitCommonControls",
                                                          "",
                                                          "    '== CREATE DDT DIALOG",
                                                          "    DIALOG NEW 0, \"Main\", 1, 2, 208, 131, _",
                                                          "    %WS_CAPTION OR %WS_SYSMENU, 0 TO hDlg",
                                                          "",
                                                          "    ' Abort if the dialog could not be created",
                                                          "    IF hDlg = 0 THEN EXIT FUNCTION  ' Error occurred",
                                                          "",
                                                          "    ' Save the handle for global access",
                                                          "    ghDlg = hDlg",
                                                          "",
                                                          ""}));
}

TEST(MainFunctionSection, MenusAreBuiltAttachedAndAddHeight) {
  FormModel model = DialogModel();
  model.writerList.clear();
  MenuTables menus = FileMenu();
  menus.popupTable.push_back({2, "mnuHelp", "\"&Help\""});
  menus.itemTable.push_back({2, "mnuAbout", "\"&About\""});
  EXPECT_EQ(MainFunctionSection(model, menus), Crlf({"FUNCTION PBMAIN() AS LONG ",
                                                     "    LOCAL hDlg AS LONG",
                                                     "    LOCAL result AS LONG",
                                                     "",
                                                     "    DIM hMenu AS LONG",
                                                     "",
                                                     "    DIM hPopup1 AS LONG",
                                                     "    DIM hPopup2 AS LONG",
                                                     "    MENU NEW BAR TO hMenu",
                                                     "",
                                                     "    MENU NEW POPUP TO hPopup1",
                                                     "    MENU NEW POPUP TO hPopup2",
                                                     "    MENU ADD STRING, hPopup1, \"&Open\", %mnuOpen, %MF_ENABLED",
                                                     "    MENU ADD STRING, hPopup1, \"E&xit\", %mnuExit, %MF_ENABLED",
                                                     "    MENU ADD STRING, hPopup2, \"&About\", %mnuAbout, %MF_ENABLED",
                                                     "    MENU ADD POPUP, hMenu, \"&File\", hPopup1, %MF_ENABLED",
                                                     "    MENU ADD POPUP, hMenu, \"&Help\", hPopup2, %MF_ENABLED",
                                                     "",
                                                     "    'Initialize common controls",
                                                     "    InitCommonControls",
                                                     "",
                                                     "    '== CREATE DDT DIALOG",
                                                     "    DIALOG NEW 0, \"Main\", 1, 2, 208, 143, _",
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
                                                     ""}));
}

const std::string kControlsClosing =
    Crlf({"", "    'Display the dialog", "    DIALOG SHOW MODAL hDlg, CALL DlgProc TO result", "", "    IF result THEN",
          "", "    END IF", "", "", "END FUNCTION", kRule, ""});

TEST(WriteControlsStep, HeadingPrecedesTheFirstStatement) {
  ControlRecord frame = Control("Frame1", ControlKind::Frame);
  frame.caption = "\"F\"";
  ControlRecord label = Control("Label1", ControlKind::Label);
  label.caption = "\"L\"";
  StringSink sink;
  WriteControlsStep(std::vector<ControlRecord>{frame, label}, sink);
  EXPECT_EQ(sink.bytes(), Crlf({"'===================================== Add the Controls ",
                                "    CONTROL ADD FRAME, hDlg, %Frame1,  \"F\",  ,  ,  ,  ,,, ",
                                "    CONTROL ADD LABEL, hDlg, %Label1,  \"L\",  ,  ,  ,  ,,,  CALL  Label1_CB"}) +
                              kControlsClosing);
}

TEST(WriteControlsStep, EmptyListWritesTheHeadingWithTheClosingPart) {
  StringSink sink;
  WriteControlsStep({}, sink);
  EXPECT_EQ(sink.bytes(), Crlf({"'===================================== Add the Controls "}) + kControlsClosing);
}

TEST(WriteEquatesStep, EachStepOpensTheNextConversion) {
  FormModel model;
  model.writerList = {Control("A", ControlKind::Label)};
  int conversionNumber = 0;
  StringSink first;
  WriteEquatesStep(model, FileMenu(), conversionNumber, first);
  EXPECT_EQ(conversionNumber, 1);
  EXPECT_NE(first.bytes().find("%A                       =  101   \r\n"), std::string::npos);
  EXPECT_NE(first.bytes().find("%mnuExit                 =  10003 \r\n"), std::string::npos);
  StringSink second;
  WriteEquatesStep(model, {}, conversionNumber, second);
  EXPECT_EQ(conversionNumber, 2);
  EXPECT_EQ(second.bytes(), Crlf({kRule, "' Control Equates ", "%A                       =  201   ", "", "", ""}));
}

}  // namespace
}  // namespace converter
