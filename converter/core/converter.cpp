#include "converter/core/converter.h"

#include <utility>

#include "converter/core/ddt_writer.h"
#include "converter/core/form_file.h"
#include "converter/core/form_model.h"
#include "converter/core/form_text.h"
#include "converter/core/menu_tables.h"

namespace converter {

std::string OutputPathFor(std::string_view formPath) {
  const std::size_t kept = formPath.size() < 3 ? 0 : formPath.size() - 3;
  return std::string(formPath.substr(0, kept)) + "DDT";
}

Converter::Converter(Edition edition, Clock clock) : edition_(edition), clock_(std::move(clock)) {}

ConversionReport Converter::ConvertForm(std::string_view formText, std::string_view formPath, ByteSink& out) {
  ConversionReport report;
  std::string restored;
  if (HasOnlyLfLineEnds(formText)) {
    restored = WithCrLfLineEnds(formText);
    formText = restored;
    report.lfReadAsCrLf = true;
  }
  const FormText text = SplitFormText(formText);
  FormModel model;
  report.leftOut = ReadFormModel(text, edition_, model);
  ConvertFormSize(model.formHeader, edition_);
  if (model.hasChildren) OffsetChildren(model);
  ReverseControls(model);
  ConvertControlUnits(model);
  for (const ControlRecord& record : model.writerList) {
    ++report.convertedByKind[static_cast<std::size_t>(record.kind)];
  }

  const MenuTables menus = BuildMenuTables(model.menuLines);
  out.Write(HeaderSection(formPath, clock_(), edition_));
  WriteEquatesStep(model, menus, conversionNumber_, out);
  out.Write(DeclarationsSection(model.writerList, menus));
  out.Write(CallbackBodiesSection(model.writerList));
  out.Write(MainFunctionSection(model, menus));
  WriteControlsStep(model.writerList, out);
  return report;
}

ConversionReport Converter::ConvertFormFile(const std::string& inputPath, ByteSink& out) {
  return ConvertForm(ReadFormFile(inputPath), inputPath, out);
}

}  // namespace converter
