#include "converter/cli/run_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <limits>

#include "converter/cli/tests/cli_test_support.h"
#include "converter/core/conversion_report.h"

namespace converter::cli::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

constexpr std::string_view kRuleLine = "'============================================================================";

class RunCliTest : public ::testing::Test {
 protected:
  std::string Form(const std::string& relative) {
    const std::filesystem::path path = folder_ / relative;
    WriteBytes(path, kSampleForm);
    return path.string();
  }

  TempFolder folder_;
};

TEST_F(RunCliTest, WritesOutputBesideTheFormByDefault) {
  const std::string form = Form("Main.frm");
  const std::string expected = (folder_ / "Main.DDT").string();

  const CliResult result = RunWith({form});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_EQ(result.out, "Saved file as: " + expected + "\n");
  EXPECT_THAT(result.err, IsEmpty());
  EXPECT_THAT(ReadBytes(expected), StartsWith(kRuleLine));
}

TEST_F(RunCliTest, OutdirTakesTheFormsFileNameAndIsCreated) {
  const std::string form = Form("forms/Main.frm");
  const std::string outdir = (folder_ / "out" / "ddt").string();

  const CliResult result = RunWith({"--outdir", outdir, form});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_EQ(result.out, "Saved file as: " + (std::filesystem::path(outdir) / "Main.DDT").string() + "\n");
  EXPECT_THAT(ReadBytes(folder_ / "out" / "ddt" / "Main.DDT"), StartsWith(kRuleLine));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "forms" / "Main.DDT"));
}

TEST_F(RunCliTest, OutputFileNamesTheOneOutput) {
  const std::string form = Form("Main.frm");
  const std::string output = (folder_ / "chosen.bas").string();

  const CliResult result = RunWith({"-o", output, form});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_EQ(result.out, "Saved file as: " + output + "\n");
  EXPECT_THAT(ReadBytes(output), StartsWith(kRuleLine));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Main.DDT"));
}

TEST_F(RunCliTest, DashOutputWritesTheBytesToStandardOutputOnly) {
  const std::string form = Form("Main.frm");

  ASSERT_EQ(RunWith({"--quiet", form}, "0").status, kExitConverted);
  const CliResult viaStdout = RunWith({"-o", "-", form}, "0");

  EXPECT_EQ(viaStdout.status, kExitConverted);
  EXPECT_EQ(viaStdout.out, ReadBytes(folder_ / "Main.DDT"));
  EXPECT_THAT(viaStdout.out, Not(HasSubstr("Saved file as")));
  EXPECT_THAT(viaStdout.err, IsEmpty());
}

TEST_F(RunCliTest, QuietWritesTheFileButPrintsNothing) {
  const std::string form = Form("Main.frm");

  const CliResult result = RunWith({"--quiet", form});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_THAT(result.out, IsEmpty());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Main.DDT"));
}

TEST_F(RunCliTest, FormsAreSuccessiveConversionsOfOneRun) {
  const std::string first = Form("First.frm");
  const std::string second = Form("Second.frm");

  const CliResult result = RunWith({first, second});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_EQ(result.out, "Saved file as: " + (folder_ / "First.DDT").string() +
                            "\nSaved file as: " + (folder_ / "Second.DDT").string() + "\n");
  EXPECT_THAT(ReadBytes(folder_ / "First.DDT"), AllOf(HasSubstr("=  101"), Not(HasSubstr("=  201"))));
  EXPECT_THAT(ReadBytes(folder_ / "Second.DDT"), AllOf(HasSubstr("=  201"), Not(HasSubstr("=  101"))));
}

TEST_F(RunCliTest, HeaderNamesTheFormPathAsGiven) {
  const std::string form = Form("sub/../Main.frm");

  const CliResult result = RunWith({"-o", "-", form});

  EXPECT_THAT(result.out, HasSubstr("'VisualBasic Form(" + form + "), "));
}

TEST_F(RunCliTest, SourceDateEpochFixesTheHeadersDateAndTimeInUtc) {
  const std::string form = Form("Main.frm");

  const CliResult result = RunWith({"-o", "-", form}, "1796634303");

  EXPECT_THAT(result.out, HasSubstr("\r\n'Date: 12-07-2026 "));
  EXPECT_THAT(result.out, HasSubstr("Time: 09:05:03\r\n"));
}

TEST_F(RunCliTest, EditionSelectsTheBuildNamedInTheHeader) {
  const std::string form = Form("Main.frm");

  EXPECT_THAT(RunWith({"--edition", "tinwright", "-o", "-", form}).out, HasSubstr("'Converted by TINWRIGHT "));
  EXPECT_THAT(RunWith({"--edition=formwright", "-o", "-", form}).out, HasSubstr("'Converted by FORMWRIGHT "));
}

TEST_F(RunCliTest, UnreadableFormIsReportedAndTheOthersAreStillConverted) {
  const std::string first = Form("First.frm");
  const std::string missing = (folder_ / "Missing.frm").string();
  const std::string last = Form("Last.frm");

  const CliResult result = RunWith({first, missing, last});

  EXPECT_EQ(result.status, kExitFailed);
  EXPECT_THAT(result.err, AllOf(StartsWith("formwright-cli: "), HasSubstr(missing + ": ")));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "First.DDT"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Last.DDT"));
  EXPECT_THAT(result.out, Not(HasSubstr("Missing.DDT")));
}

TEST_F(RunCliTest, UnwritableOutputIsReportedWithItsPath) {
  const std::string form = Form("Main.frm");
  const std::string output = (folder_ / "no-such-folder" / "Main.DDT").string();

  const CliResult result = RunWith({"-o", output, form});

  EXPECT_EQ(result.status, kExitFailed);
  EXPECT_THAT(result.err, AllOf(StartsWith("formwright-cli: "), HasSubstr(output + ": ")));
  EXPECT_THAT(result.out, IsEmpty());
}

// Stand-ins for the calls of an atomic write, each failing the way a disk can.
std::size_t WriteNothing(std::FILE*, std::string_view) {
  errno = ENOSPC;
  return 0;
}
std::size_t WriteHalfWithoutReason(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
}
int CloseFailing(std::FILE* file) {
  std::fclose(file);
  errno = EIO;
  return EOF;
}
std::error_code RenameRefused(const std::string&, const std::string&) {
  return std::make_error_code(std::errc::permission_denied);
}

TEST_F(RunCliTest, AFailedWriteCloseOrRenameKeepsTheOldOutputAndSaysWhy) {
  const FileWriteCalls& system = SystemFileWriteCalls();
  const struct {
    FileWriteCalls calls;
    std::errc reason;
  } cases[] = {
      {{&WriteNothing, system.close, system.rename}, std::errc::no_space_on_device},
      {{&WriteHalfWithoutReason, system.close, system.rename}, std::errc::no_space_on_device},
      {{system.write, &CloseFailing, system.rename}, std::errc::io_error},
      {{system.write, system.close, &RenameRefused}, std::errc::permission_denied},
  };
  const std::string form = Form("Main.frm");
  const std::string output = (folder_ / "Main.DDT").string();
  WriteBytes(output, "an older output");
  for (const auto& [calls, reason] : cases) {
    std::ostringstream out;
    std::ostringstream err;

    const int status = RunCli(std::vector<std::string>{form}, std::nullopt, out, err, calls);

    EXPECT_EQ(status, kExitFailed);
    EXPECT_EQ(err.str(),
              "formwright-cli: cannot write " + output + ": " + std::make_error_code(reason).message() + "\n");
    EXPECT_THAT(out.str(), IsEmpty());
    EXPECT_EQ(ReadBytes(output), "an older output");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2) << "no temporary is left";
  }
}

// Standard output that takes `room` bytes and refuses the rest, or whose
// flush fails, as a full disk or a closed pipe does.
class FailingOutput : public std::streambuf {
 public:
  FailingOutput(std::size_t room, bool flushFails) : room_(room), flushFails_(flushFails) {}

 protected:
  int_type overflow(int_type c) override {
    if (taken_ == room_) return traits_type::eof();
    ++taken_;
    return c;
  }
  int sync() override { return flushFails_ ? -1 : 0; }

 private:
  std::size_t room_;
  bool flushFails_;
  std::size_t taken_ = 0;
};

TEST_F(RunCliTest, AFailedWriteToStandardOutputFailsTheRunAndSaysSo) {
  const struct {
    std::size_t room;
    bool flushFails;
  } cases[] = {{0, false}, {100, false}, {std::numeric_limits<std::size_t>::max(), true}};
  const std::string form = Form("Main.frm");
  for (const auto& [room, flushFails] : cases) {
    FailingOutput sink(room, flushFails);
    std::ostream out(&sink);
    std::ostringstream err;

    const int status = RunCli(std::vector<std::string>{"-o", "-", form}, std::nullopt, out, err);

    EXPECT_EQ(status, kExitFailed) << room;
    EXPECT_EQ(err.str(), "formwright-cli: standard output: the output of " + form + " could not be written\n") << room;
  }
}

TEST_F(RunCliTest, OutdirThatIsAFileFailsBeforeAnyConversion) {
  const std::string form = Form("Main.frm");
  WriteBytes(folder_ / "taken", "a file, not a folder");

  const CliResult result = RunWith({"--outdir", (folder_ / "taken").string(), form});

  EXPECT_EQ(result.status, kExitFailed);
  EXPECT_THAT(result.err, StartsWith("formwright-cli: " + (folder_ / "taken").string() + ": "));
  EXPECT_THAT(result.out, IsEmpty());
}

TEST_F(RunCliTest, ReportCountsConvertedKindsAndNamesLeftOutControls) {
  const std::string form = Form("Main.frm");
  std::string lfForm(kSampleForm);
  std::erase(lfForm, '\r');
  WriteBytes(folder_ / "Lf.frm", lfForm);
  const std::string lf = (folder_ / "Lf.frm").string();

  const CliResult result = RunWith({"--report", "--quiet", form, lf});

  EXPECT_EQ(result.status, kExitConverted);
  const std::string details =
      "  converted 1 x COMMAND BUTTON\n"
      "  converted 1 x LABEL\n"
      "  left out  Timer1 (VB.Timer): " +
      std::string(LeftOutReasonText(LeftOutReason::ExcludedClass)) + "\n";
  EXPECT_EQ(result.err, form + ": 2 converted, 1 left out\n" + details + lf + ": 2 converted, 1 left out\n" +
                            "  its LF line ends were read as CR LF\n" + details);
}

}  // namespace
}  // namespace converter::cli::testing
