#include "converter/cli/run_cli.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "converter/cli/cli_options.h"
#include "converter/cli/epoch_clock.h"
#include "converter/cli/project_file.h"
#include "converter/cli/report_printer.h"
#include "converter/cli/usage_text.h"
#include "converter/core/converter.h"
#include "converter/core/form_file.h"

namespace converter::cli {
namespace {

constexpr std::string_view kProgramName = "formwright-cli";

std::string InDirectory(std::string_view directory, const std::string& formPath) {
  const std::string fileName = std::filesystem::path(formPath).filename().string();
  std::string path(directory);
  // The platform's own separator, so that a Windows path reads C:\out\Main.DDT.
  if (!path.empty() && path.back() != '/' && path.back() != '\\')
    path += char(std::filesystem::path::preferred_separator);
  return path + OutputPathFor(fileName);
}

std::string OutputPathOf(const CliOptions& options, const std::string& formPath) {
  if (options.outputFile) return *options.outputFile;
  if (options.outdir) return InDirectory(*options.outdir, formPath);
  return OutputPathFor(formPath);
}

class FormRun {
 public:
  FormRun(const CliOptions& options, Clock clock, std::ostream& out, std::ostream& err,
          const FileWriteCalls& writeCalls)
      : options_(options),
        converter_(options.edition, std::move(clock)),
        out_(out),
        err_(err),
        writeCalls_(writeCalls) {}

  // Every form is attempted, so one bad file does not cost the others.
  int ConvertAll(const std::vector<std::string>& formPaths) {
    bool allConverted = true;
    for (const std::string& formPath : formPaths) {
      allConverted = ConvertOne(formPath) && allConverted;
    }
    return allConverted ? kExitConverted : kExitFailed;
  }

 private:
  bool ConvertOne(const std::string& givenPath) {
    try {
      // A project written on Windows may name its forms in another case.
      const std::string formPath = options_.project ? FindListedForm(givenPath) : givenPath;
      StringSink sink;
      const ConversionReport report = converter_.ConvertFormFile(formPath, sink);
      if (options_.report) PrintConversionReport(formPath, report, err_);
      return Deliver(formPath, sink.bytes());
    } catch (const FileError& error) {
      err_ << kProgramName << ": " << error.what() << '\n';
      return false;
    }
  }

  bool Deliver(const std::string& formPath, const std::string& bytes) {
    if (options_.outputFile == kStandardOutputName) {
      out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out_.flush();
      if (out_) return true;
      err_ << kProgramName << ": standard output: the output of " << formPath << " could not be written\n";
      return false;
    }
    const std::string outputPath = OutputPathOf(options_, formPath);
    WriteFileAtomically(outputPath, bytes, writeCalls_);
    if (!options_.quiet) out_ << "Saved file as: " << outputPath << '\n';
    return true;
  }

  const CliOptions& options_;
  Converter converter_;
  std::ostream& out_;
  std::ostream& err_;
  const FileWriteCalls& writeCalls_;
};

bool MakeOutputDirectory(const std::string& directory, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (!error) return true;
  err << kProgramName << ": " << directory << ": " << error.message() << '\n';
  return false;
}

int Run(const CliOptions& options, std::optional<std::string_view> sourceDateEpoch, std::ostream& out,
        std::ostream& err, const FileWriteCalls& writeCalls) {
  Clock clock = ClockFromSourceDateEpoch(sourceDateEpoch);
  std::vector<std::string> formPaths = options.forms;
  if (options.project) {
    try {
      formPaths = ListProjectForms(*options.project);
    } catch (const FileError& error) {
      err << kProgramName << ": " << error.what() << '\n';
      return kExitFailed;
    }
    if (formPaths.empty()) {
      err << kProgramName << ": " << *options.project << ": the project lists no form\n";
      return kExitFailed;
    }
  }
  CheckOutputForFormCount(options, formPaths.size());
  if (options.outdir && !MakeOutputDirectory(*options.outdir, err)) return kExitFailed;
  return FormRun(options, std::move(clock), out, err, writeCalls).ConvertAll(formPaths);
}

}  // namespace

int RunCli(std::span<const std::string> args, std::optional<std::string_view> sourceDateEpoch, std::ostream& out,
           std::ostream& err, const FileWriteCalls& writeCalls) {
  try {
    const CliOptions options = ParseArguments(args);
    if (options.help) {
      out << UsageText();
      return kExitConverted;
    }
    if (options.version) {
      out << VersionText();
      return kExitConverted;
    }
    return Run(options, sourceDateEpoch, out, err, writeCalls);
  } catch (const UsageError& error) {
    err << kProgramName << ": " << error.what() << "\nTry '" << kProgramName << " --help' for more information.\n";
    return kExitUsage;
  }
}

}  // namespace converter::cli
