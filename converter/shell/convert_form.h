#pragma once

#include "converter/shell/program_state.h"

namespace converter::shell {

// One conversion of state.inputPath into state.outputPath, ended by a message
// box: "Done!" when the output is saved, "Error" with the path and the
// system's reason when the form cannot be read or the output not written.
void ConvertForm(ProgramState& state);

}  // namespace converter::shell
