#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "converter/cli/run_cli.h"

int main(int argc, char* argv[]) {
#ifdef _WIN32
  // "-o -" must hand over the CR LF bytes as they are, not doubled by text mode.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  const char* sourceDateEpoch = std::getenv("SOURCE_DATE_EPOCH");
  return converter::cli::RunCli(args, sourceDateEpoch ? std::optional<std::string_view>(sourceDateEpoch) : std::nullopt,
                                std::cout, std::cerr);
}
