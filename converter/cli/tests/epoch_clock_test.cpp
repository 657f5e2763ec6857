#include "converter/cli/epoch_clock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "converter/cli/usage_error.h"
#include "converter/cli/tests/cli_test_support.h"

namespace converter::cli::testing {
namespace {

using ::testing::HasSubstr;

void ExpectDateTime(const LocalDateTime& actual, const LocalDateTime& expected) {
  EXPECT_EQ(actual.year, expected.year);
  EXPECT_EQ(actual.month, expected.month);
  EXPECT_EQ(actual.day, expected.day);
  EXPECT_EQ(actual.hour, expected.hour);
  EXPECT_EQ(actual.minute, expected.minute);
  EXPECT_EQ(actual.second, expected.second);
}

TEST(UtcFromEpochSecondsTest, CalendarBoundaries) {
  ExpectDateTime(UtcFromEpochSeconds(0), {1970, 1, 1, 0, 0, 0});
  ExpectDateTime(UtcFromEpochSeconds(951868799), {2000, 2, 29, 23, 59, 59});
  ExpectDateTime(UtcFromEpochSeconds(951868800), {2000, 3, 1, 0, 0, 0});
  ExpectDateTime(UtcFromEpochSeconds(1735603200), {2024, 12, 31, 0, 0, 0});
  ExpectDateTime(UtcFromEpochSeconds(1796634303), {2026, 12, 7, 9, 5, 3});
  ExpectDateTime(UtcFromEpochSeconds(253402300799), {9999, 12, 31, 23, 59, 59});
}

class InvalidSourceDateEpochTest : public ::testing::TestWithParam<std::string> {};

TEST_P(InvalidSourceDateEpochTest, IsAUsageErrorNamingTheVariable) {
  EXPECT_THROW(ClockFromSourceDateEpoch(GetParam()), UsageError);

  const CliResult result = RunWith({"--quiet", "never-read.frm"}, GetParam());
  EXPECT_EQ(result.status, kExitUsage);
  EXPECT_THAT(result.err, HasSubstr("SOURCE_DATE_EPOCH='" + GetParam() + "'"));
}

INSTANTIATE_TEST_SUITE_P(Values, InvalidSourceDateEpochTest,
                         ::testing::Values("", "12ab", "-5", "1.5", "253402300800", "99999999999999999999999"));

}  // namespace
}  // namespace converter::cli::testing
