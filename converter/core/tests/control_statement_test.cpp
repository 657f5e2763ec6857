#include "converter/core/control_statement.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

// A record as `writerList` holds it: padded fields, dialog units.
ControlRecord Record(ControlKind kind, std::string name, std::string caption) {
  ControlRecord record;
  record.kind = kind;
  record.name = std::move(name) + "   ";
  record.caption = std::move(caption) + "  ";
  record.left = "    8";
  record.top = "   16";
  record.width = "   50";
  record.height = "   14";
  return record;
}

TEST(ControlStatement, CommandButtonExample) {
  EXPECT_EQ(ControlStatement(Record(ControlKind::CommandButton, "Command1", "\"OK\"")),
            "    CONTROL ADD BUTTON, hDlg, %Command1,  \"OK\",  8,  16,  50,  14,,,  CALL  Command1_CB");
}

TEST(ControlStatement, DdtKindsWithCaption) {
  const std::pair<ControlKind, std::string_view> expected[] = {
      {ControlKind::CheckBox, "    CONTROL ADD CHECKBOX, hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::Label, "    CONTROL ADD LABEL, hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::Line, "    CONTROL ADD LINE, hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::OptionButton, "    CONTROL ADD OPTION, hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::TextBox, "    CONTROL ADD TEXTBOX, hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
  };
  for (const auto& [kind, statement] : expected) {
    EXPECT_EQ(ControlStatement(Record(kind, "X", "\"c\"")), statement) << ControlKindName(kind);
  }
}

TEST(ControlStatement, FrameHasNoCallback) {
  EXPECT_EQ(ControlStatement(Record(ControlKind::Frame, "Frame1", "\"Options\"")),
            "    CONTROL ADD FRAME, hDlg, %Frame1,  \"Options\",  8,  16,  50,  14,,, ");
}

TEST(ControlStatement, ListsUseTheirArray) {
  EXPECT_EQ(ControlStatement(Record(ControlKind::ListBox, "List1_2", "\"List1_2\"")),
            "    CONTROL ADD LISTBOX, hDlg, %List1_2,  List1_2$(),  8,  16,  50,  14,,,  CALL  List1_2_CB");
  EXPECT_EQ(ControlStatement(Record(ControlKind::ComboBox, "Combo1", "\"Combo1\"")),
            "    CONTROL ADD COMBOBOX, hDlg, %Combo1,  Combo1$(),  8,  16,  50,  14,,,  CALL  Combo1_CB");
}

TEST(ControlStatement, ImageAndPictureBoxDifferOnlyInOneBlank) {
  EXPECT_EQ(ControlStatement(Record(ControlKind::Image, "Image1", "\"Image1\"")),
            "    CONTROL ADD IMAGE, hDlg, %Image1,  Image1_Img$,  8,  16,  50,  14,,  CALL Image1_CB");
  EXPECT_EQ(ControlStatement(Record(ControlKind::PictureBox, "Image1", "\"Image1\"")),
            "    CONTROL ADD IMAGE, hDlg, %Image1,  Image1_Img$, 8,  16,  50,  14,,  CALL Image1_CB");
}

TEST(ControlStatement, ScrollBarsAreTwoCommentLines) {
  EXPECT_EQ(ControlStatement(Record(ControlKind::HorizontalScroll, "HScroll1", "\"HScroll1\"")),
            "    'CONTROL ADD \"scrollbar\", hDlg, %HScroll1,  \"HScroll1\",  8,  16,  50,  14, _\r\n"
            "    '%WS_CHILD OR %WS_VISIBLE OR %WS_TABSTOP OR %SBS_HORZ,  CALL  HScroll1_CB");
  EXPECT_EQ(ControlStatement(Record(ControlKind::VerticalScroll, "VScroll1", "\"VScroll1\"")),
            "    'CONTROL ADD \"scrollbar\", hDlg, %VScroll1,  \"VScroll1\",  8,  16,  50,  14, _\r\n"
            "    '%WS_CHILD OR %WS_VISIBLE OR %WS_TABSTOP OR %SBS_VERT,  CALL  VScroll1_CB");
}

TEST(ControlStatement, CommonControlsAreCommentsNamingTheirClass) {
  const std::pair<ControlKind, std::string_view> expected[] = {
      {ControlKind::Grid, "    'CONTROL ADD \"classname\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::ListView, "    'CONTROL ADD \"SysListView32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::ProgressBar,
       "    'CONTROL ADD \"msctls_progress32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::Slider,
       "    'CONTROL ADD \"msctls_trackbar32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::StatusBar,
       "    'CONTROL ADD \"msctls_statusbar32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::TabControl,
       "    'CONTROL ADD \"SysTabControl32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::Toolbar,
       "    'CONTROL ADD \"ToolbarWindow32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::TreeView, "    'CONTROL ADD \"SysTreeView32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
      {ControlKind::UpDown, "    'CONTROL ADD \"msctls_updown32\", hDlg, %X,  \"c\",  8,  16,  50,  14,,,  CALL  X_CB"},
  };
  for (const auto& [kind, statement] : expected) {
    EXPECT_EQ(ControlStatement(Record(kind, "X", "\"c\"")), statement) << ControlKindName(kind);
  }
}

TEST(ControlStatement, EmptyFieldsLeaveEmptyArguments) {
  ControlRecord record;
  record.kind = ControlKind::Label;
  record.name = "L";
  EXPECT_EQ(ControlStatement(record), "    CONTROL ADD LABEL, hDlg, %L,  ,  ,  ,  ,  ,,,  CALL  L_CB");
}

}  // namespace
}  // namespace converter
