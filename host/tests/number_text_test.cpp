#include <gtest/gtest.h>

#include "host/runtime/number_text.h"

namespace host {
namespace {

// The tests run in an English (United States) locale: "." separates decimals.
TEST(NumberText, SinglesReadAsTheShortestTextOfAtMostSevenDigits) {
  EXPECT_EQ(CStr(45296.12f), "45296.12");
  EXPECT_EQ(CStr(0.7055475f), "0.7055475");
  EXPECT_EQ(CStr(-2.5f), "-2.5");
  EXPECT_EQ(CStr(20.0f), "20");
}

}  // namespace
}  // namespace host
