#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

// Every module the build puts in bin/, found there rather than listed, so
// that a new program is checked as soon as it is built.
std::vector<std::string> ModulesInBin(const char* pattern) {
  std::array<char, MAX_PATH> bin{};
  GetFullPathNameA("..\\bin", static_cast<DWORD>(bin.size()), bin.data(), nullptr);
  std::vector<std::string> paths;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((std::string(bin.data()) + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return paths;
  do {
    paths.push_back(std::string(bin.data()) + "\\" + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return paths;
}

class VersionInformation {
 public:
  explicit VersionInformation(const std::string& path) : data_(GetFileVersionInfoSizeA(path.c_str(), nullptr)) {
    if (!data_.empty() && !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data())) {
      data_.clear();
    }
  }
  bool present() const { return !data_.empty(); }

  std::string Text(const std::string& key) const {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + key;
    if (!VerQueryValueA(data_.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return "(missing)";
    return std::string(value, length > 0 ? length - 1 : 0);
  }

  // The numeric file version as "major.minor.patch".
  std::string FileVersionNumbers() const {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(data_.data(), "\\", reinterpret_cast<void**>(&fixed), &size)) return "(missing)";
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS));
  }

 private:
  std::vector<char> data_;
};

TEST(VersionInformation, EveryProgramCarriesTheProjectVersion) {
  const std::vector<std::string> programs = ModulesInBin("*.exe");
  ASSERT_FALSE(programs.empty());
  for (const std::string& path : programs) {
    const VersionInformation information(path);
    ASSERT_TRUE(information.present()) << path;
    EXPECT_EQ(information.Text("FileVersion"), EXPECTED_VERSION) << path;
    EXPECT_EQ(information.Text("ProductVersion"), EXPECTED_VERSION) << path;
    EXPECT_EQ(information.FileVersionNumbers(), EXPECTED_VERSION) << path;
  }
}

TEST(VersionInformation, EveryProgramAndControlLibraryNamesItsLicense) {
  std::vector<std::string> modules = ModulesInBin("*.exe");
  const std::vector<std::string> libraries = ModulesInBin("*.ocx");
  ASSERT_FALSE(libraries.empty());
  modules.insert(modules.end(), libraries.begin(), libraries.end());
  for (const std::string& path : modules) {
    const std::string copyright = VersionInformation(path).Text("LegalCopyright");
    EXPECT_THAT(copyright, HasSubstr("The Win32 Reach authors")) << path;
    EXPECT_THAT(copyright, HasSubstr("MIT License")) << path;
  }
}

}  // namespace
