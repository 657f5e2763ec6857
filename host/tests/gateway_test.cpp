#include <gtest/gtest.h>


#include "host/runtime/error.h"
#include "host/testing/raised_error.h"
#include "host/win32/gateway.h"

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

}  // namespace
}  // namespace host
