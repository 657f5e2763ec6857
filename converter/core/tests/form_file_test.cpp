#include "converter/core/form_file.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace converter {
namespace {

namespace fs = std::filesystem;

class FormFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("converter_core_form_file_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(std::string_view name) const { return (folder_ / name).string(); }

  std::string Contents(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder_;
};

TEST_F(FormFileTest, ReadsEveryByteUnchanged) {
  const std::string bytes = std::string("VERSION 5.00\r\n\0\xff\r", 17);
  {
    std::ofstream out(PathOf("a.frm"), std::ios::binary);
    out << bytes;
  }
  EXPECT_EQ(ReadFormFile(PathOf("a.frm")), bytes);
}

// The message of the FileError that `action` throws; empty when it throws none.
template <typename Action>
std::string FileErrorMessage(Action action) {
  try {
    action();
  } catch (const FileError& error) {
    return error.what();
  }
  return {};
}

TEST_F(FormFileTest, MissingFileNamesThePathAndTheReason) {
  const std::string path = PathOf("missing.frm");
  const std::string message = FileErrorMessage([&] { ReadFormFile(path); });
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find(std::make_error_code(std::errc::no_such_file_or_directory).message()), std::string::npos)
      << message;
}

TEST_F(FormFileTest, ReadingAFolderFails) {
  EXPECT_NE(FileErrorMessage([&] { ReadFormFile(folder_.string()); }), "");
}

TEST_F(FormFileTest, WriteCreatesAndReplacesWithoutLeavingATemporary) {
  const std::string path = PathOf("Main.DDT");
  WriteFileAtomically(path, "first\r\n");
  WriteFileAtomically(path, "second");
  EXPECT_EQ(Contents(path), "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FormFileTest, WriteIntoMissingFolderFailsAndNamesThePath) {
  const std::string path = PathOf("no/such/folder/Main.DDT");
  const std::string message = FileErrorMessage([&] { WriteFileAtomically(path, "x"); });
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 0);
}

TEST_F(FormFileTest, RenameOntoAFolderFailsAndRemovesTheTemporary) {
  const std::string path = PathOf("taken");
  fs::create_directories(fs::path(path) / "inside");
  EXPECT_NE(FileErrorMessage([&] { WriteFileAtomically(path, "x"); }), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace converter
