#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "converter/core/form_file.h"

namespace converter::cli {

inline constexpr int kExitConverted = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// One run of the command-line converter: args are the arguments after the
// program name, sourceDateEpoch the environment's SOURCE_DATE_EPOCH if set.
// "Saved file as:" lines, help, version and "-o -" output go to out; errors
// and reports go to err. Output files are written through writeCalls.
// Returns the exit status.
int RunCli(std::span<const std::string> args, std::optional<std::string_view> sourceDateEpoch, std::ostream& out,
           std::ostream& err, const FileWriteCalls& writeCalls = SystemFileWriteCalls());

}  // namespace converter::cli
