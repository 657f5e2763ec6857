#include "converter/shell/choose_form_file.h"

#include <gtest/gtest.h>
#include <commdlg.h>

#include <array>
#include <string>

#include "converter/shell/tests/dialog_answerer.h"
#include "converter/shell/tests/scratch_folder.h"

namespace converter::shell {
namespace {

using testing::CancelFileDialog;
using testing::DialogAnswerer;
using testing::ScratchFolder;
using testing::TypeFileNameAndConfirm;

constexpr char kFilter[] = "Visual Basic Forms|*.FRM|All Files|*.*";
constexpr DWORD kFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_LONGNAMES;

std::string CurrentDirectory() {
  std::array<char, MAX_PATH> directory{};
  return std::string(directory.data(), GetCurrentDirectoryA(directory.size(), directory.data()));
}

// Restores the current directory a test changed.
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::string& directory) : saved_(CurrentDirectory()) {
    SetCurrentDirectoryA(directory.c_str());
  }
  ~CurrentDirectoryScope() { SetCurrentDirectoryA(saved_.c_str()); }

 private:
  std::string saved_;
};

class ChooseFormFileTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  std::string fileSpec_ = "*.FRM";
  DWORD flags_ = kFlags;
};

TEST_F(ChooseFormFileTest, BareNameIsFoundInTheInitialDirectory) {
  folder_.Write("Main.FRM", "VERSION 5.00\r\n");
  DialogAnswerer answerer({TypeFileNameAndConfirm("Main.FRM")});

  EXPECT_TRUE(ChooseFormFile(nullptr, "Pick a form", fileSpec_, folder_.path(), kFilter, "FRM", flags_));

  EXPECT_EQ(fileSpec_, folder_.PathOf("Main.FRM"));
  ASSERT_EQ(answerer.fileDialogs().size(), 1u);
  EXPECT_EQ(answerer.fileDialogs()[0].title, "Pick a form");
}

TEST_F(ChooseFormFileTest, EmptyInitialDirectoryMeansTheCurrentOne) {
  folder_.Write("Main.frm", "VERSION 5.00\r\n");
  const CurrentDirectoryScope inFolder(folder_.path());
  DialogAnswerer answerer({TypeFileNameAndConfirm("Main.frm")});

  EXPECT_TRUE(ChooseFormFile(nullptr, "Open File", fileSpec_, "", kFilter, "FRM", flags_));

  EXPECT_EQ(fileSpec_, folder_.PathOf("Main.frm"));
}

TEST_F(ChooseFormFileTest, CancelReportsNoChoice) {
  DialogAnswerer answerer({CancelFileDialog()});

  EXPECT_FALSE(ChooseFormFile(nullptr, "Open File", fileSpec_, folder_.path(), kFilter, "FRM", flags_));

  EXPECT_EQ(answerer.fileDialogs().size(), 1u);
}

}  // namespace
}  // namespace converter::shell
