#include "converter/shell/convert_form.h"

#include <optional>

#include "converter/core/byte_sink.h"
#include "converter/core/form_file.h"
#include "converter/shell/output_file.h"

namespace converter::shell {
namespace {

void ShowSaved(const std::string& outputPath) {
  const std::string text = "Saved file as: " + outputPath;
  MessageBoxA(nullptr, text.c_str(), "Done!", MB_OK);
}

void ShowFailure(const FileError& error) { MessageBoxA(nullptr, error.what(), "Error", MB_OK | MB_ICONERROR); }

}  // namespace

void ConvertForm(ProgramState& state) {
  std::optional<OutputFile> output;
  try {
    // Read first, so a form that cannot be read costs no conversion number.
    const std::string formText = ReadFormFile(state.inputPath);
    StringSink bytes;
    state.converter.ConvertForm(formText, state.inputPath, bytes);
    // Written whole before it is reported as saved; closed after the report.
    output.emplace(state.outputPath, bytes.bytes());
  } catch (const FileError& error) {
    ShowFailure(error);
    return;
  }
  ShowSaved(state.outputPath);
}

}  // namespace converter::shell
