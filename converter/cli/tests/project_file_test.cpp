#include "converter/cli/project_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "converter/cli/tests/cli_test_support.h"
#include "converter/core/form_file.h"

namespace converter::cli::testing {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

class ProjectFileTest : public ::testing::Test {
 protected:
  std::string Project(const std::string& name, std::string_view text) {
    WriteBytes(folder_ / name, text);
    return (folder_ / name).string();
  }
  std::string Beside(const std::filesystem::path& relative) const {
    return (folder_ / relative).make_preferred().string();
  }

  TempFolder folder_;
};

TEST_F(ProjectFileTest, VbpListsFormLinesWithAnyKeyCaseAndOptionalQuotes) {
  const std::string project = Project("app.vbp",
                                      "Type=Exe\r\n"
                                      "Form=forms\\Main.frm\r\n"
                                      "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#stdole2.tlb\r\n"
                                      "Module=Helpers; Helpers.bas\r\n"
                                      "form = \"forms\\dialogs\\About.frm\"\r\n"
                                      "FORM=Settings.frm\r\n"
                                      "Startup=\"frmMain\"\r\n"
                                      "Name=\"Form\"\r\n");

  EXPECT_THAT(ListProjectForms(project),
              ElementsAre(Beside("forms/Main.frm"), Beside("forms/dialogs/About.frm"), Beside("Settings.frm")));
}

TEST_F(ProjectFileTest, MakListsOnlyTheLinesNamingFormFiles) {
  const std::string project = Project("OLD.MAK",
                                      "CONSTANT.TXT\r\n"
                                      "forms\\MAIN.FRM\r\n"
                                      "GLOBAL.BAS\r\n"
                                      "C:\\WINDOWS\\SYSTEM\\GRID.VBX\r\n"
                                      "MAIN.FRX\r\n"
                                      "About.frm\r\n"
                                      "ProjWinSize=152,402,248,215\r\n"
                                      "IconForm=\"frmMain\"\r\n");

  EXPECT_THAT(ListProjectForms(project), ElementsAre(Beside("forms/MAIN.FRM"), Beside("About.frm")));
}

TEST_F(ProjectFileTest, RunConvertsTheListedFormsInOrderNamingTheirResolvedPaths) {
  WriteBytes(folder_ / "forms" / "First.frm", kSampleForm);
  WriteBytes(folder_ / "forms" / "Second.frm", kSampleForm);
  const std::string project = Project("app.vbp", "Form=forms\\First.frm\r\nForm=forms\\Second.frm\r\n");

  const CliResult result = RunWith({"--project", project});

  EXPECT_EQ(result.status, kExitConverted);
  EXPECT_EQ(result.out,
            "Saved file as: " + Beside("forms/First.DDT") + "\nSaved file as: " + Beside("forms/Second.DDT") + "\n");
  EXPECT_THAT(ReadBytes(folder_ / "forms" / "First.DDT"),
              AllOf(HasSubstr("'VisualBasic Form(" + Beside("forms/First.frm") + ")"), HasSubstr("=  101")));
  EXPECT_THAT(ReadBytes(folder_ / "forms" / "Second.DDT"),
              AllOf(HasSubstr("'VisualBasic Form(" + Beside("forms/Second.frm") + ")"), HasSubstr("=  201")));
}

// A project written on Windows names its forms in whatever case: on a file
// system that minds case, the one file matching without regard to it is taken.
TEST_F(ProjectFileTest, ListedFormIsFoundIgnoringCaseWhenItsExactPathIsMissing) {
  WriteBytes(folder_ / "Forms" / "Calc.frm", kSampleForm);
  WriteBytes(folder_ / "Twice" / "a.frm", kSampleForm);
  WriteBytes(folder_ / "Twice" / "A.frm", kSampleForm);
  if (std::filesystem::exists(folder_ / "FORMS" / "CALC.FRM")) GTEST_SKIP() << "this file system ignores case itself";
  const auto find = [this](const std::string& listed) -> std::string {
    try {
      return FindListedForm(Beside(listed));
    } catch (const FileError& error) {
      return error.what();
    }
  };

  EXPECT_EQ(find("Forms/Calc.frm"), Beside("Forms/Calc.frm"));
  EXPECT_EQ(find("forms/calc.FRM"), Beside("Forms/Calc.frm"));
  EXPECT_EQ(find("FORMS/Missing.frm"),
            "cannot open " + Beside("FORMS/Missing.frm") + ": no file matches it, even ignoring case");
  EXPECT_THAT(find("twice/a.FRM"), AllOf(HasSubstr(": several files match it when case is ignored: "),
                                         HasSubstr(Beside("Twice/a.frm")), HasSubstr(Beside("Twice/A.frm"))));

  const CliResult run = RunWith({"--project", Project("app.vbp", "Form=forms\\calc.FRM\r\nForm=twice\\a.FRM\r\n")});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.out, "Saved file as: " + Beside("Forms/Calc.DDT") + "\n");
}

TEST_F(ProjectFileTest, RunWithAnUnreadableProjectNamesItAndFails) {
  const std::string missing = Beside("missing.mak");

  const CliResult result = RunWith({"--project", missing});

  EXPECT_EQ(result.status, kExitFailed);
  EXPECT_THAT(result.err, AllOf(StartsWith("formwright-cli: "), HasSubstr(missing + ": ")));
}

TEST_F(ProjectFileTest, RunWithAProjectListingNoFormSaysSoAndFails) {
  const std::string project = Project("empty.vbp", "Type=Exe\r\nModule=Helpers; Helpers.bas\r\n");

  const CliResult result = RunWith({"--project", project});

  EXPECT_EQ(result.status, kExitFailed);
  EXPECT_EQ(result.err, "formwright-cli: " + project + ": the project lists no form\n");
  EXPECT_THAT(result.out, IsEmpty());
}

TEST_F(ProjectFileTest, OutputFileNeedsAProjectOfOneForm) {
  WriteBytes(folder_ / "Only.frm", kSampleForm);
  const std::string single = Project("single.vbp", "Form=Only.frm\r\n");
  const std::string twice = Project("twice.vbp", "Form=Only.frm\r\nForm=Only.frm\r\n");

  EXPECT_EQ(RunWith({"--project", single, "-o", "-"}).status, kExitConverted);
  const CliResult refused = RunWith({"--project", twice, "-o", "-"});
  EXPECT_EQ(refused.status, kExitUsage);
  EXPECT_THAT(refused.out, Not(HasSubstr("VisualBasic Form")));
}

}  // namespace
}  // namespace converter::cli::testing
