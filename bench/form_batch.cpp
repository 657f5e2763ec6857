#include "bench/form_batch.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace bench {
namespace {

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsFormFile(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == ".frm";
}

// A variant keeps the form's structure and changes its names and numbers, so
// no two forms of the batch are the same bytes.
std::string Variant(const std::string& text, int n) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const auto begin = line.find("Begin ");
    if (begin != std::string::npos && line.size() > begin + 6 && line.ends_with(" \r")) {
      line.insert(line.size() - 2, "V" + std::to_string(n));  // rename the control
    } else if (const auto eq = line.find("= "); eq != std::string::npos && line.find("Left") != std::string::npos) {
      line += std::to_string(n % 10);  // shift it a little
    }
    out += line;
    out += '\n';
  }
  return out;
}

const char* const kGeneratedClasses[] = {
    "VB.CheckBox",
    "VB.ComboBox",
    "VB.CommandButton",
    "VB.HScrollBar",
    "VB.Image",
    "VB.Label",
    "VB.ListBox",
    "VB.OptionButton",
    "VB.PictureBox",
    "VB.TextBox",
    "VB.VScrollBar",
    "VB.Timer",
    "MSComctlLib.ListView",
    "MSComctlLib.ProgressBar",
    "MSComctlLib.TreeView",
    "MSComctlLib.Slider",
    "TabDlg.SSTab",
    "ComCtl2.UpDown",
    "MSFlexGridLib.MSFlexGrid",
    "Vendor.Unknown",
};

void AppendControl(std::string& out, const std::string& indent, const char* cls, const std::string& name, int i) {
  out += indent + "Begin " + cls + " " + name + " \r\n";
  out += indent + "   Caption         =   \"Item " + std::to_string(i) + "\"\r\n";
  out += indent + "   Height          =   " + std::to_string(285 + i % 7 * 30) + "\r\n";
  out += indent + "   Left            =   " + std::to_string(120 + i * 37 % 4000) + "\r\n";
  out += indent + "   TabIndex        =   " + std::to_string(i) + "\r\n";
  out += indent + "   Top             =   " + std::to_string(120 + i * 53 % 5000) + "\r\n";
  out += indent + "   Width           =   " + std::to_string(1215 + i % 5 * 100) + "\r\n";
  out += indent + "End\r\n";
}

std::string GeneratedForm(int n) {
  std::string out = "VERSION 5.00\r\nBegin VB.Form Generated" + std::to_string(n) + " \r\n";
  out += "   Caption         =   \"Generated form " + std::to_string(n) + "\"\r\n";
  out += "   ClientHeight    =   6195\r\n   ClientLeft      =   60\r\n   ClientTop       =   345\r\n";
  out += "   ClientWidth     =   8880\r\n   LinkTopic       =   \"Form1\"\r\n";
  out += "   ScaleHeight     =   6195\r\n   ScaleWidth      =   8880\r\n";
  const int controls = 10 + n % 30;
  for (int i = 0; i < controls; ++i) {
    AppendControl(out, "   ", kGeneratedClasses[(n + i) % std::size(kGeneratedClasses)], "Ctl" + std::to_string(i), i);
  }
  out +=
      "   Begin VB.Frame Frame1 \r\n      Caption = \"Group\"\r\n      Height = 2000\r\n      Left = 240\r\n"
      "      Top = 3000\r\n      Width = 4000\r\n";
  for (int i = 0; i < 4; ++i) AppendControl(out, "      ", "VB.OptionButton", "Choice", i);
  out += "   End\r\n";
  for (int menu = 0; menu < 3; ++menu) {
    const std::string m = std::to_string(menu);
    out.append("   Begin VB.Menu mnuTop")
        .append(m)
        .append(" \r\n      Caption         =   \"Menu ")
        .append(m)
        .append("\"\r\n");
    for (int item = 0; item < 4; ++item) {
      const std::string it = m + "_" + std::to_string(item);
      out.append("      Begin VB.Menu mnuItem")
          .append(it)
          .append(" \r\n         Caption         =   \"Item ")
          .append(it);
      out.append("\"\r\n      End\r\n");
    }
    out += "   End\r\n";
  }
  out += "End\r\nAttribute VB_Name = \"Generated\"\r\n";
  return out;
}

}  // namespace

std::vector<BatchForm> BuildBatch(const std::vector<std::filesystem::path>& sourceFolders, int variantsPerForm,
                                  int generatedForms) {
  std::vector<BatchForm> batch;
  for (const auto& folder : sourceFolders) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.is_regular_file() && IsFormFile(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      const std::string text = ReadWhole(file);
      const std::string stem = file.stem().string();
      batch.push_back({stem + ".frm", text});
      for (int v = 1; v <= variantsPerForm; ++v) {
        batch.push_back({stem + "_v" + std::to_string(v) + ".frm", Variant(text, v)});
      }
    }
  }
  for (int n = 0; n < generatedForms; ++n) {
    batch.push_back({"generated" + std::to_string(n) + ".frm", GeneratedForm(n)});
  }
  return batch;
}

std::size_t TotalBytes(const std::vector<BatchForm>& batch) {
  std::size_t total = 0;
  for (const auto& form : batch) total += form.text.size();
  return total;
}

}  // namespace bench
