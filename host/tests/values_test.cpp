#include <gtest/gtest.h>

#include <cmath>

#include "host/runtime/color.h"
#include "host/runtime/date.h"
#include "host/runtime/error.h"
#include "host/testing/raised_error.h"
#include "host/runtime/numeric.h"
#include "host/runtime/text.h"
#include "host/runtime/types.h"

namespace host {
namespace {

using testing::ErrorNumberOf;

TEST(Boolean, TrueIsMinusOneAndAnyNonZeroReadsAsTrue) {
  EXPECT_EQ(True.Value(), -1);
  EXPECT_EQ(False.Value(), 0);
  EXPECT_EQ(Boolean::FromInteger(1), True);
  EXPECT_EQ(Boolean::FromInteger(0), False);
  EXPECT_EQ(sizeof(Boolean), 2u);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(IntegerConversion, RoundsAndRaisesOverflowOutsideTheRange) {
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);
  EXPECT_EQ(ErrorNumberOf([] { CInt(32767.5); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { CInt(-32769); }), 6);
  EXPECT_EQ(CLng(2147483647.0), 2147483647);
  EXPECT_EQ(CLng(-0.5), 0);
  EXPECT_EQ(ErrorNumberOf([] { CLng(2147483648.0); }), 6);
}

TEST(Val, ReadsTheLeadingNumberOnly) {
  EXPECT_EQ(Val("99"), 99);
  EXPECT_EQ(Val("  100 apples"), 100);
  EXPECT_EQ(Val("1 2 3"), 123) << "blanks inside the number are ignored";
  EXPECT_EQ(Val("-3.5e2x"), -350);
  EXPECT_EQ(Val("2.5.1"), 2.5);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("1e"), 1) << "an exponent without digits is not part of the number";
}

TEST(Val, ReadsHexadecimalAndOctalPrefixes) {
  EXPECT_EQ(Val("&H10"), 16);
  EXPECT_EQ(Val("&HFFFF"), -1) << "four hex digits are a 16-bit value";
  EXPECT_EQ(Val("&H1FFFF"), 131071);
  EXPECT_EQ(Val("&O17"), 15);
}

TEST(Text, UpperCasesAndTrimsOnlySpaces) {
  EXPECT_EQ(UCase("exit"), "EXIT");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(LTrim("  x "), "x ");
  EXPECT_EQ(RTrim("  x "), "  x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_TRUE(EqualsIgnoreCase("BackColor", "backcolor"));
  EXPECT_FALSE(EqualsIgnoreCase("Back", "BackColor"));
}

TEST(Dates, SystemTimeRoundTripsThroughTheOleDate) {
  const SYSTEMTIME time{2024, 2, 0, 29, 13, 45, 30, 0};
  const Date date = DateFromSystemTime(time);
  EXPECT_DOUBLE_EQ(std::floor(date.Serial()), 45351.0);
  const SYSTEMTIME back = SystemTimeFromDate(date);
  EXPECT_EQ(back.wYear, 2024);
  EXPECT_EQ(back.wMonth, 2);
  EXPECT_EQ(back.wDay, 29);
  EXPECT_EQ(back.wHour, 13);
  EXPECT_EQ(back.wMinute, 45);
  EXPECT_EQ(back.wSecond, 30);
  EXPECT_DOUBLE_EQ(Date().Serial(), 0.0) << "day zero is 30 December 1899";
}

TEST(Dates, TodayIsNowWithoutItsTimeOfDay) {
  const Date now = Now();
  const Date today = Today();
  EXPECT_DOUBLE_EQ(today.Serial(), std::floor(today.Serial()));
  EXPECT_NEAR(now.Serial() - today.Serial(), TimeOfDay().Serial(), 1.0 / 86400 * 2);
}

TEST(Dates, DefaultTextConvertsBackToTheSameDate) {
  const Date date = DateFromSystemTime(SYSTEMTIME{2023, 11, 0, 5, 0, 0, 0, 0});
  const std::string text = DateText(date);
  EXPECT_EQ(text.find(':'), std::string::npos) << "no time part is shown for midnight: " << text;
  EXPECT_EQ(DateFromText(text), date);
  const Date withTime(date.Serial() + 0.5);
  EXPECT_EQ(DateFromText(DateText(withTime)), withTime);
}

TEST(Dates, TextThatIsNoDateRaisesTypeMismatch) {
  EXPECT_EQ(ErrorNumberOf([] { DateFromText("no date at all"); }), 13);
}

TEST(Colors, SystemColoursResolveThroughTheSystem) {
  EXPECT_TRUE(IsSystemColor(vbButtonFace));
  EXPECT_FALSE(IsSystemColor(0x00C0C0C0));
  EXPECT_EQ(TranslateColor(vbButtonFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(TranslateColor(0x00123456), 0x00123456u);
}

}  // namespace
}  // namespace host
