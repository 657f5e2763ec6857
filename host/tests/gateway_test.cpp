#include <gtest/gtest.h>

#include "host/runtime/error.h"
#include "host/testing/raised_error.h"
#include "host/win32/gateway.h"
#include "host/win32/window_longs.h"

namespace host {
namespace {

using testing::ErrorNumberOf;

TEST(Win32Function, BindsOnTheFirstCallAndCallsThroughWithStdcall) {
  const Win32Function<decltype(::MulDiv)> mulDiv{"kernel32", "MulDiv"};
  EXPECT_FALSE(mulDiv.IsBound());
  // Repeated calls would unbalance the stack under a wrong calling convention.
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(mulDiv(6, 7, 3), 14);
  EXPECT_TRUE(mulDiv.IsBound());
}

TEST(Win32Function, PassesAnsiStringArguments) {
  const Win32Function<decltype(::lstrlenA)> length{"kernel32", "lstrlenA"};
  EXPECT_EQ(length("twelve chars"), 12);
}

TEST(Win32Function, AMissingLibraryRaisesError48NamingIt) {
  const Win32Function<decltype(::MulDiv)> missing{"nosuchlibrary", "MulDiv"};
  try {
    missing(1, 2, 3);
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 48);
    EXPECT_NE(error.Description().find("nosuchlibrary"), std::string::npos);
  }
}

TEST(Win32Function, AMissingEntryPointRaisesError453NamingIt) {
  const Win32Function<decltype(::MulDiv)> missing{"kernel32", "NoSuchEntryPoint"};
  try {
    missing(1, 2, 3);
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 453);
    EXPECT_NE(error.Description().find("NoSuchEntryPoint"), std::string::npos);
    EXPECT_NE(error.Description().find("kernel32"), std::string::npos);
  }
  EXPECT_FALSE(missing.IsBound());
  EXPECT_EQ(ErrorNumberOf([&] { missing(1, 2, 3); }), 453) << "a failed bind is retried, not cached";
}

LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// A 64-bit program's code lies above 4 GB: a procedure cut to 32 bits would not come back whole.
TEST(WindowLongs, AProcedureWrittenAndReadByNameKeepsEveryBit) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const HWND window = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(window, nullptr);
  const LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
  EXPECT_EQ(setWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn)), own);
  EXPECT_EQ(getWindowLongPtr(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&PassOn));
  EXPECT_EQ(getWindowLongPtr(window, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(instance));
  setWindowLongPtr(window, GWLP_WNDPROC, own);
  EXPECT_EQ(getClassLongPtr(window, GCLP_WNDPROC), own) << "the class keeps its procedure";
  DestroyWindow(window);
}

}  // namespace
}  // namespace host
