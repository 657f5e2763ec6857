#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "host/services/dir.h"

namespace host {
namespace {

class DirInAFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "host_dir_test";
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\Sub.ani").c_str(), nullptr);
    std::ofstream(folder_ + "\\Globe.ani") << "x";
  }
  void TearDown() override {
    DeleteFileA((folder_ + "\\Globe.ani").c_str());
    RemoveDirectoryA((folder_ + "\\Sub.ani").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string folder_;
};

TEST_F(DirInAFolder, GivesTheNameOfTheFirstMatchingFile) {
  EXPECT_EQ(Dir(folder_ + "\\globe.ANI"), "Globe.ani") << "names match without regard to case";
  EXPECT_EQ(Dir(folder_ + "\\*.ani"), "Globe.ani") << "folders do not count";
}

TEST_F(DirInAFolder, GivesNothingWhenNoFileMatches) {
  EXPECT_EQ(Dir(folder_ + "\\missing.ani"), "");
  EXPECT_EQ(Dir(folder_ + "\\Sub.ani"), "");
  EXPECT_EQ(Dir(""), "");
}

}  // namespace
}  // namespace host
