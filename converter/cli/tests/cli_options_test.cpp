#include "converter/cli/cli_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "converter/cli/tests/cli_test_support.h"

namespace converter::cli::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

TEST(ParseArgumentsTest, ReadsEveryOptionAndKeepsFormsInOrder) {
  const std::vector<std::string> args{"--edition", "tinwright", "B.frm", "--outdir=out", "--report",
                                      "--quiet",   "A.frm",     "--",    "--odd.frm"};

  const CliOptions options = ParseArguments(args);

  EXPECT_EQ(options.edition, Edition::Tinwright);
  EXPECT_EQ(options.outdir, "out");
  EXPECT_TRUE(options.report);
  EXPECT_TRUE(options.quiet);
  EXPECT_THAT(options.forms, ::testing::ElementsAre("B.frm", "A.frm", "--odd.frm"));
}

// Each row is a command line the program must refuse with status 2, saying
// why on standard error and writing nothing else.
struct UsageCase {
  std::vector<std::string> args;
  std::string why;
};

class UsageErrorTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExitsWithStatusTwoAndAMessage) {
  const CliResult result = RunWith(GetParam().args);

  EXPECT_EQ(result.status, kExitUsage);
  EXPECT_THAT(result.err, StartsWith("formwright-cli: "));
  EXPECT_THAT(result.err, HasSubstr(GetParam().why));
  EXPECT_THAT(result.out, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UsageErrorTest,
    ::testing::Values(UsageCase{{"--quiet"}, "no FORM"}, UsageCase{{"--verbose", "A.frm"}, "unknown option --verbose"},
                      UsageCase{{"A.frm", "--outdir"}, "--outdir needs a value"},
                      UsageCase{{"--edition", "brasswright", "A.frm"}, "unknown edition 'brasswright'"},
                      UsageCase{{"--quiet=yes", "A.frm"}, "--quiet takes no value"},
                      UsageCase{{"-o", "x.DDT", "A.frm", "B.frm"}, "2 forms"},
                      UsageCase{{"--outdir", "d", "-o", "x.DDT", "A.frm"}, "cannot be used together"},
                      UsageCase{{"--project", "p.vbp", "A.frm"}, "--project takes no FORM"}));

TEST(HelpAndVersionTest, HelpPrintsUsageToStandardOutput) {
  const CliResult result = RunWith({"--help"});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_THAT(result.out, StartsWith("Usage: formwright-cli "));
  EXPECT_THAT(result.err, IsEmpty());
}

TEST(HelpAndVersionTest, VersionNamesTheProjectVersionAndTheEditions) {
  const CliResult result = RunWith({"--version"});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_THAT(result.out, StartsWith(std::string("formwright-cli ") + EXPECTED_VERSION + " "));
  EXPECT_THAT(result.out, HasSubstr("tinwright"));
}

}  // namespace
}  // namespace converter::cli::testing
