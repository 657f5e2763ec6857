#include "converter/core/ddt_writer.h"

#include <utility>

#include "converter/core/control_statement.h"
#include "converter/core/edition_data.h"
#include "converter/core/text_fields.h"

namespace converter {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kRuleLine = "'============================================================================";
constexpr std::string_view kIndent = "    ";
constexpr std::size_t kEquateNameWidth = 25;
constexpr std::size_t kEquateNumberWidth = 7;

constexpr std::string_view kCommonControlSwitches[] = {
    "    %NOANIMATE       = 1", "    %NOBUTTON        = 1", "    %NOCOMBO         = 1", "    %NODATETIMEPICK  = 1",
    "    %NODRAGLIST      = 1", "    %NOHEADER        = 1", "    %NOHOTKEY        = 1", "    %NOIMAGELIST     = 1",
    "    %NOPIADDRESS     = 1", "    %NOLIST          = 1", "    %NOLISTVIEW      = 1", "    %NOMONTHCAL      = 1",
    "    %NONATIVEFONTCTL = 1", "    %NOPAGESCROLLER  = 1", "    %NOPROGRESS      = 1", "    %NOREBAR         = 1",
    "    %NOSTATUSBAR     = 1", "    %NOTABCONTROL    = 1", "    %NOTOOLBAR       = 1", "    %NOTOOLTIPS      = 1",
    "    %NOTRACKBAR      = 1", "    %NOTREEVIEW      = 1", "    %NOUPDOWN        = 1",
};

// Builds a section line by line; Finish adds the closing CR LF of the write.
class Section {
 public:
  Section& Line(std::string_view text = {}) {
    text_.append(text).append(kCrLf);
    return *this;
  }
  Section& Indented(std::string_view text) {
    text_.append(kIndent).append(text).append(kCrLf);
    return *this;
  }
  std::string Finish() {
    text_.append(kCrLf);
    return std::move(text_);
  }

 private:
  std::string text_;
};

std::string TwoDigits(int value) {
  return value >= 0 && value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

std::string ZeroPadded(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string DateLine(const LocalDateTime& now) {
  return "'Date: " + TwoDigits(now.month) + "-" + TwoDigits(now.day) + "-" + ZeroPadded(now.year, 4) +
         "                                       Time: " + TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" +
         TwoDigits(now.second);
}

std::string EquateLine(std::string_view name, std::int64_t number) {
  const std::string digits = number < 0 ? std::to_string(number) : " " + std::to_string(number);
  return PadField("%" + std::string(name), kEquateNameWidth) + "= " + PadField(digits, kEquateNumberWidth);
}

std::string CallbackDeclaration(std::string_view name) {
  return "DECLARE CALLBACK FUNCTION " + std::string(name) + "_CB()";
}

bool HasListArray(ControlKind kind) { return kind == ControlKind::ComboBox || kind == ControlKind::ListBox; }
bool HasPicture(ControlKind kind) { return kind == ControlKind::Image || kind == ControlKind::PictureBox; }

void AddMenuBlock(const MenuTables& menus, Section& section) {
  section.Indented("DIM hMenu AS LONG").Line();
  for (const PopupRecord& popup : menus.popupTable)
    section.Indented("DIM hPopup" + std::to_string(popup.index) + " AS LONG");
  section.Indented("MENU NEW BAR TO hMenu").Line();
  for (const PopupRecord& popup : menus.popupTable)
    section.Indented("MENU NEW POPUP TO hPopup" + std::to_string(popup.index));
  for (const ItemRecord& item : menus.itemTable) {
    section.Indented("MENU ADD STRING, hPopup" + std::to_string(item.popupIndex) + ", " +
                     std::string(Trim(item.caption)) + ", %" + std::string(Trim(item.name)) + ", %MF_ENABLED");
  }
  for (const PopupRecord& popup : menus.popupTable) {
    section.Indented("MENU ADD POPUP, hMenu, " + std::string(Trim(popup.caption)) + ", hPopup" +
                     std::to_string(popup.index) + ", %MF_ENABLED");
  }
}

std::string DialogNewLine(const FormHeader& header, bool withMenu) {
  const std::string_view height = withMenu ? header.dlgHeightWithMenu : header.dlgHeight;
  return "DIALOG NEW 0, \"" + std::string(Trim(header.caption)) + "\", " + std::string(Trim(header.dlgLeft)) + ", " +
         std::string(Trim(header.dlgTop)) + ", " + std::string(Trim(header.dlgWidth)) + ", " +
         std::string(Trim(height)) + ", _";
}

}  // namespace

std::string HeaderSection(std::string_view formPath, const LocalDateTime& now, Edition edition) {
  Section section;
  section.Line(kRuleLine)
      .Line("'VisualBasic Form(" + std::string(formPath) + "), Converted to PB/DLL DDT Dialog ")
      .Line(DateLine(now))
      .Line("'")
      .Line("'")
      .Line("'")
      .Line("'")
      .Line(EditionDataFor(edition).creditLine)
      .Line(kRuleLine)
      .Line()
      .Line("%TestMode = -1")
      .Line()
      .Line("#IF %TestMode")
      .Line("    #DIM ALL")
      .Line("    #REGISTER NONE")
      .Line("    #COMPILE EXE")
      .Line()
      .Line(kRuleLine);
  for (const std::string_view line : kCommonControlSwitches) section.Line(line);
  section.Line(kRuleLine)
      .Line()
      .Line("    #INCLUDE\"WIN32API.INC\"")
      .Line("    #INCLUDE\"COMMCTRL.INC\"")
      .Line("    #INCLUDE\"COMDLG32.INC\"")
      .Line("#ENDIF")
      .Line("'================================= GLOBALS")
      .Line("GLOBAL ghDlg  AS  LONG");
  return section.Finish();
}

std::string ControlEquatesSection(std::span<const ControlRecord> writerList, std::int64_t k) {
  Section section;
  section.Line(kRuleLine).Line("' Control Equates ");
  std::int64_t i = 0;
  for (const ControlRecord& record : writerList) section.Line(EquateLine(Trim(record.name), k * 100 + ++i));
  section.Line().Line();
  return section.Finish();
}

std::string MenuEquatesSection(const MenuTables& menus, std::int64_t k) {
  if (menus.popupTable.empty()) return {};
  Section section;
  section.Line("'============================== PopUp Equates ");
  std::int64_t i = 0;
  for (const PopupRecord& popup : menus.popupTable) section.Line(EquateLine(Trim(popup.name), k * 10000 + ++i));
  section.Line("'============================== Menu Equates ");
  for (const ItemRecord& item : menus.itemTable) section.Line(EquateLine(Trim(item.name), k * 10000 + ++i));
  section.Line().Line();
  return section.Finish();
}

std::string DeclarationsSection(std::span<const ControlRecord> writerList, const MenuTables& menus) {
  Section section;
  section.Line("'=========================    Callback Declares  ");
  for (const ControlRecord& record : writerList) section.Line(CallbackDeclaration(Trim(record.name)));
  if (!menus.popupTable.empty()) {
    section.Line().Line("'Menu Declares");
    for (const PopupRecord& popup : menus.popupTable) section.Line(CallbackDeclaration(Trim(popup.name)));
  }
  for (const ItemRecord& item : menus.itemTable) section.Line(CallbackDeclaration(Trim(item.name)));
  section.Line("DECLARE CALLBACK FUNCTION  DlgProc()").Line(kRuleLine);
  return section.Finish();
}

std::string CallbackBodiesSection(std::span<const ControlRecord> writerList) {
  Section section;
  for (const ControlRecord& record : writerList) {
    section.Line("CALLBACK FUNCTION " + std::string(Trim(record.name)) + "_CB()").Line().Line("END FUNCTION").Line();
  }
  section.Line("CALLBACK FUNCTION  DlgProc()").Line().Line("END FUNCTION").Line(kRuleLine);
  return section.Finish();
}

std::string MainFunctionSection(const FormModel& model, const MenuTables& menus) {
  const bool withMenu = !menus.popupTable.empty();
  Section section;
  section.Line("FUNCTION PBMAIN() AS LONG ").Indented("LOCAL hDlg AS LONG").Indented("LOCAL result AS LONG");
  for (const ControlRecord& record : model.writerList) {
    const std::string name(Trim(record.name));
    if (HasListArray(record.kind)) section.Indented("DIM  " + name + "$()  ");
    if (HasPicture(record.kind)) section.Indented("DIM  " + name + "_img$");
  }
  section.Line();
  if (withMenu) AddMenuBlock(menus, section);
  section.Line()
      .Indented("'Initialize common controls")
      .Indented("InitCommonControls")
      .Line()
      .Indented("'== CREATE DDT DIALOG")
      .Indented(DialogNewLine(model.formHeader, withMenu))
      .Indented("%WS_CAPTION OR %WS_SYSMENU, 0 TO hDlg")
      .Line();
  if (withMenu) section.Indented("MENU ATTACH hMenu, hDlg").Line();
  section.Indented("' Abort if the dialog could not be created")
      .Indented("IF hDlg = 0 THEN EXIT FUNCTION  ' Error occurred")
      .Line()
      .Indented("' Save the handle for global access")
      .Indented("ghDlg = hDlg")
      .Line();
  return section.Finish();
}

void WriteControlsStep(std::span<const ControlRecord> writerList, ByteSink& out) {
  constexpr std::string_view kHeading = "'===================================== Add the Controls ";
  bool first = true;
  for (const ControlRecord& record : writerList) {
    std::string write = first ? std::string(kHeading) + std::string(kCrLf) : std::string{};
    write.append(ControlStatement(record)).append(kCrLf);
    out.Write(write);
    first = false;
  }
  Section closing;
  if (writerList.empty()) closing.Line(kHeading);
  closing.Line()
      .Indented("'Display the dialog")
      .Indented("DIALOG SHOW MODAL hDlg, CALL DlgProc TO result")
      .Line()
      .Indented("IF result THEN")
      .Line()
      .Indented("END IF")
      .Line()
      .Line()
      .Line("END FUNCTION")
      .Line(kRuleLine);
  out.Write(closing.Finish());
}

void WriteEquatesStep(const FormModel& model, const MenuTables& menus, int& conversionNumber, ByteSink& out) {
  ++conversionNumber;
  out.Write(ControlEquatesSection(model.writerList, conversionNumber));
  if (const std::string menuEquates = MenuEquatesSection(menus, conversionNumber); !menuEquates.empty()) {
    out.Write(menuEquates);
  }
}

}  // namespace converter
