#include "converter/cli/cli_options.h"

namespace converter::cli {
namespace {

Edition ParseEdition(std::string_view name) {
  for (const Edition edition : {Edition::Formwright, Edition::Tinwright}) {
    if (name == EditionName(edition)) return edition;
  }
  throw UsageError("unknown edition '" + std::string(name) + "' (expected formwright or tinwright)");
}

// Walks the arguments; an option's value is either the next argument or the
// text after "=" in "--option=value".
class ArgumentReader {
 public:
  explicit ArgumentReader(std::span<const std::string> args) : args_(args) {}

  bool done() const { return next_ == args_.size(); }
  const std::string& Next() { return args_[next_++]; }

  std::string ValueOf(std::string_view option, std::optional<std::string> inlineValue) {
    if (inlineValue) return *inlineValue;
    if (done()) throw UsageError("option " + std::string(option) + " needs a value");
    return Next();
  }

 private:
  std::span<const std::string> args_;
  std::size_t next_ = 0;
};

void ApplyOption(std::string_view option, std::optional<std::string> inlineValue, ArgumentReader& reader,
                 CliOptions& options) {
  const bool takesValue = option == "--edition" || option == "--outdir" || option == "-o" || option == "--project";
  if (inlineValue && !takesValue) {
    throw UsageError("option " + std::string(option) + " takes no value");
  }
  if (option == "--edition") {
    options.edition = ParseEdition(reader.ValueOf(option, std::move(inlineValue)));
  } else if (option == "--outdir") {
    options.outdir = reader.ValueOf(option, std::move(inlineValue));
  } else if (option == "-o") {
    options.outputFile = reader.ValueOf(option, std::move(inlineValue));
  } else if (option == "--project") {
    options.project = reader.ValueOf(option, std::move(inlineValue));
  } else if (option == "--report") {
    options.report = true;
  } else if (option == "--quiet") {
    options.quiet = true;
  } else if (option == "--help" || option == "-h") {
    options.help = true;
  } else if (option == "--version") {
    options.version = true;
  } else {
    throw UsageError("unknown option " + std::string(option));
  }
}

void CheckCombinations(const CliOptions& options) {
  if (options.outdir && options.outputFile) throw UsageError("--outdir and -o cannot be used together");
  if (options.project && !options.forms.empty()) throw UsageError("--project takes no FORM arguments");
  if (!options.project && options.forms.empty()) throw UsageError("no FORM given");
}

}  // namespace

CliOptions ParseArguments(std::span<const std::string> args) {
  CliOptions options;
  ArgumentReader reader(args);
  bool optionsEnded = false;
  while (!reader.done()) {
    const std::string& arg = reader.Next();
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      options.forms.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (const auto equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos) {
      ApplyOption(std::string_view(arg).substr(0, equals), arg.substr(equals + 1), reader, options);
    } else {
      ApplyOption(arg, std::nullopt, reader, options);
    }
  }
  if (options.help || options.version) return options;
  CheckCombinations(options);
  return options;
}

void CheckOutputForFormCount(const CliOptions& options, std::size_t formCount) {
  if (options.outputFile && formCount != 1) {
    throw UsageError("-o names one output file, but there are " + std::to_string(formCount) + " forms");
  }
}

}  // namespace converter::cli
