#include "converter/core/control_statement.h"

#include <string_view>

#include "converter/core/text_fields.h"

namespace converter {

namespace {

enum class SecondArgument { Caption, ListArray, PictureWide, PictureNarrow };
enum class Tail { Standard, Frame, Picture, HorizontalScroll, VerticalScroll };

struct StatementForm {
  std::string_view head;
  SecondArgument second;
  Tail tail;
};

constexpr StatementForm Commented(std::string_view head) { return {head, SecondArgument::Caption, Tail::Standard}; }

StatementForm FormFor(ControlKind kind) {
  using K = ControlKind;
  switch (kind) {
    case K::CheckBox:
      return {"CONTROL ADD CHECKBOX, hDlg, ", SecondArgument::Caption, Tail::Standard};
    case K::ComboBox:
      return {"CONTROL ADD COMBOBOX, hDlg, ", SecondArgument::ListArray, Tail::Standard};
    case K::CommandButton:
      return {"CONTROL ADD BUTTON, hDlg, ", SecondArgument::Caption, Tail::Standard};
    case K::Frame:
      return {"CONTROL ADD FRAME, hDlg, ", SecondArgument::Caption, Tail::Frame};
    case K::HorizontalScroll:
      return {"'CONTROL ADD \"scrollbar\", hDlg, ", SecondArgument::Caption, Tail::HorizontalScroll};
    case K::Image:
      return {"CONTROL ADD IMAGE, hDlg, ", SecondArgument::PictureWide, Tail::Picture};
    case K::Label:
      return {"CONTROL ADD LABEL, hDlg, ", SecondArgument::Caption, Tail::Standard};
    case K::Line:
      return {"CONTROL ADD LINE, hDlg, ", SecondArgument::Caption, Tail::Standard};
    case K::ListBox:
      return {"CONTROL ADD LISTBOX, hDlg, ", SecondArgument::ListArray, Tail::Standard};
    case K::OptionButton:
      return {"CONTROL ADD OPTION, hDlg, ", SecondArgument::Caption, Tail::Standard};
    case K::PictureBox:
      return {"CONTROL ADD IMAGE, hDlg, ", SecondArgument::PictureNarrow, Tail::Picture};
    case K::TextBox:
      return {"CONTROL ADD TEXTBOX, hDlg, ", SecondArgument::Caption, Tail::Standard};
    case K::VerticalScroll:
      return {"'CONTROL ADD \"scrollbar\", hDlg, ", SecondArgument::Caption, Tail::VerticalScroll};
    case K::ListView:
      return Commented("'CONTROL ADD \"SysListView32\", hDlg, ");
    case K::ProgressBar:
      return Commented("'CONTROL ADD \"msctls_progress32\", hDlg, ");
    case K::Slider:
      return Commented("'CONTROL ADD \"msctls_trackbar32\", hDlg, ");
    case K::StatusBar:
      return Commented("'CONTROL ADD \"msctls_statusbar32\", hDlg, ");
    case K::TabControl:
      return Commented("'CONTROL ADD \"SysTabControl32\", hDlg, ");
    case K::Toolbar:
      return Commented("'CONTROL ADD \"ToolbarWindow32\", hDlg, ");
    case K::TreeView:
      return Commented("'CONTROL ADD \"SysTreeView32\", hDlg, ");
    case K::UpDown:
      return Commented("'CONTROL ADD \"msctls_updown32\", hDlg, ");
    case K::Grid:
    case K::None:
    case K::Menu:
    case K::ImageList:
      // Only the grid reaches here from a conversion: no record is stored
      // for the other three kinds.
      return Commented("'CONTROL ADD \"classname\", hDlg, ");
  }
  return Commented("'CONTROL ADD \"classname\", hDlg, ");
}

std::string SecondArgumentText(SecondArgument second, std::string_view name, std::string_view caption) {
  switch (second) {
    case SecondArgument::Caption:
      return std::string(caption) + ",  ";
    case SecondArgument::ListArray:
      return std::string(name) + "$(),  ";
    case SecondArgument::PictureWide:
      return std::string(name) + "_Img$,  ";
    case SecondArgument::PictureNarrow:
      return std::string(name) + "_Img$, ";
  }
  return {};
}

std::string TailText(Tail tail, std::string_view name) {
  const std::string callback = std::string(name) + "_CB";
  switch (tail) {
    case Tail::Standard:
      return ",,,  CALL  " + callback;
    case Tail::Frame:
      return ",,, ";
    case Tail::Picture:
      return ",,  CALL " + callback;
    case Tail::HorizontalScroll:
      return ", _\r\n    '%WS_CHILD OR %WS_VISIBLE OR %WS_TABSTOP OR %SBS_HORZ,  CALL  " + callback;
    case Tail::VerticalScroll:
      return ", _\r\n    '%WS_CHILD OR %WS_VISIBLE OR %WS_TABSTOP OR %SBS_VERT,  CALL  " + callback;
  }
  return {};
}

}  // namespace

std::string ControlStatement(const ControlRecord& record) {
  const StatementForm form = FormFor(record.kind);
  const std::string_view name = Trim(record.name);
  std::string statement = "    ";
  statement.append(form.head).append("%").append(name).append(",  ");
  statement.append(SecondArgumentText(form.second, name, Trim(record.caption)));
  statement.append(Trim(record.left)).append(",  ");
  statement.append(Trim(record.top)).append(",  ");
  statement.append(Trim(record.width)).append(",  ");
  statement.append(Trim(record.height));
  statement.append(TailText(form.tail, name));
  return statement;
}

}  // namespace converter
