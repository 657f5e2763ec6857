// Every form description of our own Windows programs is a real form file: the
// converter must take each one whole, every control converted or left out for
// a reason that belongs to its class, none lost to a broken block.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converter/core/converter.h"
#include "well_formed_output.h"

namespace converter {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> DemoFormDescriptions() {
  std::vector<fs::path> forms;
  for (const char* folder : {"host", "regions", "shapetrial", "wrappers", "subclassing", "utilities"}) {
    const fs::path root = fs::path(SOURCE_ROOT) / folder;
    if (!fs::is_directory(root)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      std::string ext = entry.path().extension().string();
      std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
      if (entry.is_regular_file() && ext == ".frm") forms.push_back(entry.path());
    }
  }
  std::sort(forms.begin(), forms.end());
  return forms;
}

// Control header lines: "Begin " after the indentation, below the form's own;
// menus go to the menu tables instead.
int ControlHeaderLines(const std::string& form) {
  int count = 0;
  std::size_t start = 0;
  while (start < form.size()) {
    std::size_t end = form.find('\n', start);
    if (end == std::string::npos) end = form.size();
    const std::string_view line(form.data() + start, end - start);
    const std::size_t indent = line.find_first_not_of(' ');
    const std::string_view text = indent == std::string_view::npos ? "" : line.substr(indent);
    const bool menu = text.starts_with("Begin VB.Menu ") || text.starts_with("Begin Menu ");
    if (indent >= 3 && text.starts_with("Begin ") && !menu) ++count;
    start = end + 1;
  }
  return count;
}

TEST(DemoForms, EveryDescriptionConvertsWholeInBothEditions) {
  const std::vector<fs::path> forms = DemoFormDescriptions();
  ASSERT_FALSE(forms.empty()) << "no form description found under " << SOURCE_ROOT;

  for (const Edition edition : {Edition::Formwright, Edition::Tinwright}) {
    Converter converter(edition, [] { return LocalDateTime{2026, 12, 7, 10, 0, 0}; });
    for (const fs::path& form : forms) {
      SCOPED_TRACE(form.string());
      std::ifstream in(form, std::ios::binary);
      const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      StringSink out;
      const ConversionReport report = converter.ConvertForm(text, form.string(), out);
      testing::ExpectWellFormed(out.bytes(), report, converter.conversionNumber());
      EXPECT_EQ(report.converted() + static_cast<int>(report.leftOut.size()), ControlHeaderLines(text));
      for (const LeftOutControl& control : report.leftOut) {
        EXPECT_NE(control.reason, LeftOutReason::CutAt2048) << control.name;
        EXPECT_NE(control.reason, LeftOutReason::NoClosingLine) << control.name;
      }
    }
  }
}

}  // namespace
}  // namespace converter
