#include "converter/core/text_fields.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(Trim, StripsNulAndSpacesAtBothEndsOnly) {
  EXPECT_EQ(Trim(std::string_view(" \0a b\0 ", 7)), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\tx\t"), "\tx\t");
  EXPECT_EQ(Trim("\r\nx\r", "\r\n"), "x");
}

TEST(Fields, EmptyFieldsCountFromEitherEnd) {
  constexpr std::string_view kHeader = "   Begin VB.Label Label1 ";
  EXPECT_EQ(FieldFromEnd(kHeader, ' ', 1), "");
  EXPECT_EQ(FieldFromEnd(kHeader, ' ', 2), "Label1");
  EXPECT_EQ(FieldFromEnd(kHeader, ' ', 3), "VB.Label");
  EXPECT_EQ(FieldFromEnd(kHeader, ' ', 7), "");
  EXPECT_EQ(FieldFromEnd(kHeader, ' ', 8), "");
  EXPECT_EQ(FieldFromEnd("a", ' ', 1), "a");
  EXPECT_EQ(FieldFromEnd("a", ' ', 2), "");
  EXPECT_EQ(FieldAt("a=\"b\"", "=\"", 1), "a");
  EXPECT_EQ(FieldAt("a=\"b\"", "=\"", 2), "");
  EXPECT_EQ(FieldAt("a=\"b\"", "=\"", 3), "b");
  EXPECT_EQ(FieldAt("a=\"b\"", "=\"", 4), "");
  EXPECT_EQ(FieldAt("a=\"b\"", "=\"", 5), "");
  EXPECT_EQ(FieldAt(" x = 1 = 2", "=", 2), " 1 ");
}

TEST(Val, ReadsLeadingNumberLikeTheFormsRuntime) {
  EXPECT_EQ(Val("240"), 240.0);
  EXPECT_EQ(Val("   -12.5abc"), -12.5);
  EXPECT_EQ(Val("+7"), 7.0);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("3.  "), 3.0);
  EXPECT_EQ(Val("1E5"), 1.0);
  EXPECT_EQ(Val("12 34"), 12.0);
}

TEST(Val, TextWithoutDigitsIsZero) {
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("."), 0.0);
  EXPECT_EQ(Val("\t5"), 0.0);  // only blanks are skipped
}

TEST(Val, HugeNumbersBecomeInfiniteNotUndefined) {
  EXPECT_TRUE(std::isinf(Val(std::string(400, '9'))));
  EXPECT_TRUE(std::isinf(Val("-" + std::string(400, '9'))));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
}

TEST(RoundHalfEven, SaturatesOutOfRangeAndNan) {
  EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundHalfEven(-std::numeric_limits<double>::infinity()), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(FormatMask, RightAlignsWithSignTakingAPosition) {
  EXPECT_EQ(FormatMask(0, 5), "    0");
  EXPECT_EQ(FormatMask(-12, 5), "  -12");
  EXPECT_EQ(FormatMask(360, 4), " 360");
  EXPECT_EQ(FormatMask(12345, 5), "12345");
}

TEST(FormatMask, WiderNumbersAreWrittenWhole) {
  EXPECT_EQ(FormatMask(123456, 5), "123456");
  EXPECT_EQ(FormatMask(-12345, 4), "-12345");
}

TEST(UnitFactors, GiveTheDocumentedDialogUnits) {
  EXPECT_EQ(RoundHalfEven(240 * kHorizontalUnitsPerTwip), 11);
  EXPECT_EQ(RoundHalfEven(1215 * kHorizontalUnitsPerTwip), 54);
  EXPECT_EQ(RoundHalfEven(4680 * kHorizontalUnitsPerTwip), 208);
  EXPECT_EQ(RoundHalfEven(2400 * kVerticalUnitsPerTwip), 98);
  EXPECT_EQ(RoundHalfEven(3195 * kVerticalUnitsPerTwip), 131);
}

}  // namespace
}  // namespace converter
