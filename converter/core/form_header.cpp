#include "converter/core/form_header.h"

#include "converter/core/edition_data.h"
#include "converter/core/text_fields.h"

namespace converter {

namespace {

// The text between the line's first "=" and the next one (or the line's end).
std::string SizeValue(std::string_view line) { return FitField(Trim(FieldAt(line, "=", 2)), kNumberFieldWidth); }

// The text between the opening double quote and the next quote or "=".
std::string CaptionValue(std::string_view line) { return FitField(FieldAt(line, "=\"", 3), kFormCaptionWidth); }

HeaderAction ActionFor(std::string_view line, std::span<const HeaderKey> keys) {
  for (const HeaderKey& key : keys) {
    if (line.find(key.key) != std::string_view::npos) return key.action;
  }
  return HeaderAction::Ignore;
}

}  // namespace

FormHeader ParseFormHeader(std::span<const std::string_view> headerLines, Edition edition) {
  const std::span<const HeaderKey> keys = EditionDataFor(edition).headerKeys;
  FormHeader header;
  for (const std::string_view line : headerLines) {
    switch (ActionFor(line, keys)) {
      case HeaderAction::Ignore:
        break;
      case HeaderAction::Caption:
        header.caption = CaptionValue(line);
        break;
      case HeaderAction::Width:
        header.width = SizeValue(line);
        break;
      case HeaderAction::Height:
        header.height = SizeValue(line);
        break;
      case HeaderAction::Left:
        header.left = SizeValue(line);
        break;
      case HeaderAction::Top:
        header.top = SizeValue(line);
        break;
      case HeaderAction::Stop:
        return header;
    }
  }
  return header;
}

std::int64_t TwipsToDialogUnits(std::string_view twips, double unitsPerTwip) {
  return RoundHalfEven(Val(twips) * unitsPerTwip);
}

std::string DialogUnitsField(std::int64_t units) { return FitField(FormatMask(units, 5), kNumberFieldWidth); }

void ConvertFormSize(FormHeader& header, Edition edition) {
  const EditionData& data = EditionDataFor(edition);
  const std::int64_t width = TwipsToDialogUnits(header.width, kHorizontalUnitsPerTwip) - data.widthAllowance;
  const std::int64_t height = TwipsToDialogUnits(header.height, kVerticalUnitsPerTwip) - data.heightAllowance;
  header.dlgLeft = DialogUnitsField(TwipsToDialogUnits(header.left, kHorizontalUnitsPerTwip));
  header.dlgTop = DialogUnitsField(TwipsToDialogUnits(header.top, kVerticalUnitsPerTwip));
  header.dlgWidth = DialogUnitsField(width);
  header.dlgHeight = DialogUnitsField(height);
  header.dlgHeightWithMenu = DialogUnitsField(height + 12);
}

}  // namespace converter
