#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converter/core/converter.h"
#include "well_formed_output.h"

namespace converter {
namespace {

namespace fs = std::filesystem;

using testing::ExpectWellFormed;

TEST(Corpus, EveryRealFormConvertsToWellFormedSourceInBothEditions) {
  const fs::path corpus = CORPUS_DIR;
  ASSERT_TRUE(fs::is_directory(corpus)) << "corpus folder missing: " << corpus.string();
  std::vector<fs::path> forms;
  for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
    if (entry.is_regular_file()) forms.push_back(entry.path());
  }
  std::sort(forms.begin(), forms.end());
  ASSERT_GE(forms.size(), 100u) << "too few forms in " << corpus.string();

  int convertedControls = 0;
  for (const Edition edition : {Edition::Formwright, Edition::Tinwright}) {
    Converter converter(edition, [] { return LocalDateTime{2024, 5, 6, 7, 8, 9}; });
    for (const fs::path& form : forms) {
      SCOPED_TRACE(form.filename().string());
      StringSink out;
      const ConversionReport report = converter.ConvertFormFile(form.string(), out);
      ExpectWellFormed(out.bytes(), report, converter.conversionNumber());
      convertedControls += report.converted();
    }
  }
  EXPECT_GT(convertedControls, 1000);
}

}  // namespace
}  // namespace converter
