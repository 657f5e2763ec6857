#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/win32/unique_handle.h"
#include "regions/tests/library_file.h"

namespace regions {
namespace {

// The toolbox bitmaps a container shows for the two controls.
TEST(LibraryResources, EachControlHasA16By15SixteenColourToolboxBitmap) {
  const testing::LoadedLibrary library;
  ASSERT_NE(library.get(), nullptr) << testing::LibraryPath();
  for (const WORD resource : {WORD{30000}, WORD{30001}}) {
    const host::UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(library.get(), MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(bitmap) << resource;
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(bitmap.get(), sizeof section, &section), static_cast<int>(sizeof section)) << resource;
    EXPECT_EQ(section.dsBm.bmWidth, 16) << resource;
    EXPECT_EQ(section.dsBm.bmHeight, 15) << resource;
    EXPECT_EQ(section.dsBmih.biBitCount, 4) << resource;
  }
}

// What installers and containers read of the file's version information.
TEST(LibraryResources, TheVersionInformationNamesTheLibraryAndAnnouncesSelfRegistration) {
  const std::string path = testing::LibraryPath();
  std::vector<char> information(GetFileVersionInfoSizeA(path.c_str(), nullptr));
  ASSERT_FALSE(information.empty()) << path;
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(information.size()), information.data()));
  const struct {
    const char* key;
    const char* value;
  } strings[] = {
      {"FileVersion", "1.00"},       {"ProductVersion", "1.00"},
      {"InternalName", "Regions"},   {"OriginalFilename", "Regions.ocx"},
      {"ProductName", "Shapecraft"}, {"OLESelfRegister", ""},
  };
  for (const auto& s : strings) {
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + s.key;
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(information.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) << s.key;
    EXPECT_EQ(std::string(value, length > 0 ? length - 1 : 0), s.value) << s.key;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(information.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1)) << "1.0";
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}

}  // namespace
}  // namespace regions
