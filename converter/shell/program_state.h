#pragma once

#include <windows.h>

#include <string>

#include "converter/core/converter.h"

namespace converter::shell {

// What the program keeps while its main dialog is open. The converter carries
// the conversion number from one conversion to the next.
struct ProgramState {
  ProgramState(Edition edition, Clock clock) : converter(edition, std::move(clock)) {}

  Converter converter;
  std::string inputPath;   // as the file dialog returned it
  std::string outputPath;  // inputPath with its last three characters replaced by "DDT"
  HWND mainDialog = nullptr;
};

}  // namespace converter::shell
