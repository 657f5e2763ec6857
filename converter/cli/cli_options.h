#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "converter/cli/usage_error.h"
#include "converter/core/edition.h"

namespace converter::cli {

inline constexpr std::string_view kStandardOutputName = "-";

struct CliOptions {
  Edition edition = Edition::Formwright;
  std::optional<std::string> outdir;
  std::optional<std::string> outputFile;  // kStandardOutputName: standard output
  std::optional<std::string> project;
  bool report = false;
  bool quiet = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> forms;
};

// Parses the arguments after the program name. With --help or --version the
// rules on how options combine are not checked. Throws UsageError.
CliOptions ParseArguments(std::span<const std::string> args);

// The rules that need to know how many forms there are; with --project that
// is known only after the project file has been read. Throws UsageError.
void CheckOutputForFormCount(const CliOptions& options, std::size_t formCount);

}  // namespace converter::cli
