#include "converter/core/catalogue.h"

#include <algorithm>
#include <array>
#include <utility>

namespace converter {

namespace {

using K = ControlKind;

// Indexed by code.
constexpr std::array<std::string_view, kLastControlKindCode + 1> kKindNames = {
    "",
    "CHECKBOX",
    "COMBOBOX",
    "COMMAND BUTTON",
    "FRAME OR GROUPBOX",
    "GRID OR SPREADSHEET",
    "HORIZ. SCROLL",
    "IMAGE",
    "LABEL",
    "LINE",
    "LISTBOX",
    "MENU",
    "OPTION BUTTON",
    "PICTUREBOX",
    "TEXTBOX",
    "VERT. SCROLL",
    "IMAGELIST",
    "LISTVIEW",
    "PROGRESSBAR",
    "SLIDER",
    "STATUSBAR",
    "TAB CONTROL",
    "TOOLBAR",
    "TREEVIEW",
    "UP-DOWN",
};

constexpr std::pair<std::string_view, ControlKind> kCatalogue[] = {
    {"VB.CheckBox", K::CheckBox},
    {"CheckBox", K::CheckBox},
    {"SSCheck", K::CheckBox},
    {"MSForms.CheckBox", K::CheckBox},
    {"VBX.CSChkList", K::CheckBox},
    {"CSChkLib.CSChkList", K::CheckBox},
    {"CSChkList", K::CheckBox},

    {"VB.ComboBox", K::ComboBox},
    {"ComboBox", K::ComboBox},
    {"MSDBCtls.DBCombo", K::ComboBox},
    {"MSForms.ComboBox", K::ComboBox},
    {"VBX.CSComboBox", K::ComboBox},
    {"CSComboLib.CSComboBox", K::ComboBox},
    {"CSCombo", K::ComboBox},

    {"VB.CommandButton", K::CommandButton},
    {"CommandButton", K::CommandButton},
    {"MSForms.CommandButton", K::CommandButton},
    {"SSCommand", K::CommandButton},
    {"VBX.CSCmdBtn", K::CommandButton},
    {"CSCmdLibCtl.CSCmdBtn", K::CommandButton},
    {"CSCmdBtn", K::CommandButton},

    {"VB.Frame", K::Frame},
    {"Frame", K::Frame},
    {"SSFrame", K::Frame},
    {"MSForms.Frame", K::Frame},

    {"VBX.TrueGrid", K::Grid},
    {"TrueGrid", K::Grid},
    {"MSDBGrid.DBGrid", K::Grid},
    {"MSFlexGridLib.MSFlexGrid", K::Grid},
    {"MSGrid.Grid", K::Grid},
    {"VBX.SSView", K::Grid},
    {"SSView", K::Grid},

    {"VB.HScrollBar", K::HorizontalScroll},
    {"HScrollBar", K::HorizontalScroll},

    {"VB.Image", K::Image},
    {"Image", K::Image},
    {"MSForms.Image", K::Image},

    {"VB.Label", K::Label},
    {"Label", K::Label},
    {"MSForms.Label", K::Label},
    {"VBX.sivbLB", K::Label},
    {"CSTextLibCtl.sivbLB", K::Label},
    {"sivbLB", K::Label},

    {"VB.Line", K::Line},
    {"Line", K::Line},

    {"VB.ListBox", K::ListBox},
    {"ListBox", K::ListBox},
    {"VB.FileListBox", K::ListBox},
    {"FileListBox", K::ListBox},
    {"MSDBCtls.DBList", K::ListBox},
    {"MSForms.ListBox", K::ListBox},
    {"VBX.CSVList", K::ListBox},
    {"CSVListLibCtl.CSVList", K::ListBox},
    {"CSVList", K::ListBox},
    {"VBX.QPList", K::ListBox},
    {"CSListLib.CSList", K::ListBox},
    {"QPList", K::ListBox},

    {"VB.Menu", K::Menu},
    {"Menu", K::Menu},

    {"VB.OptionButton", K::OptionButton},
    {"OptionButton", K::OptionButton},
    {"SSOption", K::OptionButton},
    {"MSForms.OptionButton", K::OptionButton},
    {"VBX.CSOptList", K::OptionButton},
    {"CSOptLib.CSOptList", K::OptionButton},
    {"CSOpt", K::OptionButton},

    {"VB.PictureBox", K::PictureBox},
    {"PictureBox", K::PictureBox},

    {"VB.TextBox", K::TextBox},
    {"TextBox", K::TextBox},
    {"MSForms.TextBox", K::TextBox},
    {"VBX.SSEdit", K::TextBox},
    {"VBX.sicrEdit", K::TextBox},
    {"CSTextLibCtl.sicrEdit", K::TextBox},
    {"sicrEdit", K::TextBox},
    {"VBX.sidbEdit", K::TextBox},
    {"CSTextLibCtl.sidbEdit", K::TextBox},
    {"sidbEdit", K::TextBox},
    {"VBX.silgEdit", K::TextBox},
    {"CSTextLibCtl.silgEdit", K::TextBox},
    {"silgEdit", K::TextBox},
    {"VBX.sitmEdit", K::TextBox},
    {"CSTextLibCtl.sitmEdit", K::TextBox},
    {"sitmEdit", K::TextBox},
    {"VBX.sidtEdit", K::TextBox},
    {"CSTextLibCtl.sidtEdit", K::TextBox},
    {"sidtEdit", K::TextBox},
    {"VBX.sitxEdit", K::TextBox},
    {"CSTextLibCtl.sitxEdit", K::TextBox},
    {"sitxEdit", K::TextBox},

    {"VB.VScrollBar", K::VerticalScroll},
    {"VScrollBar", K::VerticalScroll},

    {"ComctlLib.ListView", K::ListView},
    {"MSComctlLib.ListView", K::ListView},

    {"ComctlLib.ProgressBar", K::ProgressBar},
    {"MSComctlLib.ProgressBar", K::ProgressBar},
    {"VBX.CSMeter", K::ProgressBar},
    {"CSMeteLibCtl.CSMeter", K::ProgressBar},
    {"CSMeter", K::ProgressBar},

    {"ComctlLib.Slider", K::Slider},
    {"MSComctlLib.Slider", K::Slider},

    {"ComctlLib.StatusBar", K::StatusBar},
    {"MSComctlLib.StatusBar", K::StatusBar},

    {"ComctlLib.TabStrip", K::TabControl},
    {"MSComctlLib.TabStrip", K::TabControl},
    {"TabDlg.SSTab", K::TabControl},

    {"ComctlLib.Toolbar", K::Toolbar},
    {"MSComctlLib.Toolbar", K::Toolbar},
    {"SSRibbon", K::Toolbar},

    {"ComctlLib.TreeView", K::TreeView},
    {"MSComctlLib.TreeView", K::TreeView},

    {"ComCtl2.UpDown", K::UpDown},
    {"MSForms.SpinButton", K::UpDown},
    {"CSSpinLibCtl.CSSpin", K::UpDown},
    {"CSSpin", K::UpDown},

    // Recognised, but no kind: such a control is never stored.
    {"VBX.TabCtl", K::None},
    {"TabCtl", K::None},
    {"MSForms.TabStrip", K::None},
};

constexpr std::string_view kExclusionList[] = {
    "Data",
    "vsFlexLib.vsFlexArray",
    "PdfLib",
    "SSPanel",
    "MhState",
    "GRAPH",
    "MaskEdBox",
    "MSComm",
    "Gauge",
    "CrystalReport",
    "CommonDialog",
    "AniPushButton",
    "OLE",
    "Timer",
    "MSForms.ToggleButton",
    "MSMask.MaskEdBox",
    "PicClip.PictureClip",
    "MSMAPI.MAPIMessages",
    "MSMAPI.MAPISession",
    "MCI.MMControl",
    "MSOutl.Outline",
    "AgentObjectsCtl.Agent",
    "ComctlLib.ImageList",
    "SysInfoLib.SysInfo",
    "MSACAL.Calendar",
    "MSRDC.MSRDC",
    "vsFlexLib.vsFlexString",
    "POPUPLib.Popup",
    "MSForms.ScrollBar",
    "MSComctlLib.ImageCombo",
};

}  // namespace

std::string_view ControlKindName(ControlKind kind) {
  const auto code = static_cast<std::size_t>(kind);
  return code < kKindNames.size() ? kKindNames[code] : std::string_view{};
}

std::optional<ControlKind> LookupClass(std::string_view className) {
  for (const auto& [name, kind] : kCatalogue) {
    if (name == className) return kind;
  }
  return std::nullopt;
}

bool IsExcludedClass(std::string_view classField) {
  return std::any_of(std::begin(kExclusionList), std::end(kExclusionList),
                     [classField](std::string_view entry) { return classField.find(entry) != std::string_view::npos; });
}

}  // namespace converter
