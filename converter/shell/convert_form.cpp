#include "converter/shell/convert_form.h"

#include "converter/core/byte_sink.h"
#include "converter/core/form_file.h"

namespace converter::shell {
namespace {

void ShowSaved(const std::string& outputPath) {
  const std::string text = "Saved file as: " + outputPath;
  MessageBoxA(nullptr, text.c_str(), "Done!", MB_OK);
}

void ShowFailure(const FileError& error) {
  MessageBoxA(nullptr, error.what(), "Error", MB_OK | MB_ICONERROR);
}

}  // namespace

void ConvertForm(ProgramState& state) {
  try {
    // Read first, so a form that cannot be read costs no conversion number.
    const std::string formText = ReadFormFile(state.inputPath);
    StringSink output;
    state.converter.ConvertForm(formText, state.inputPath, output);
    // Written whole or not at all, and only then reported as saved.
    WriteFileAtomically(state.outputPath, output.bytes());
  } catch (const FileError& error) {
    ShowFailure(error);
    return;
  }
  ShowSaved(state.outputPath);
}

}  // namespace converter::shell
