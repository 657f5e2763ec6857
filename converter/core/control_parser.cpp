#include "converter/core/control_parser.h"

#include "converter/core/catalogue.h"
#include "converter/core/property_line.h"
#include "converter/core/text_fields.h"

namespace converter {

namespace {

// State of one block's parse: the current record and whether a header line
// has opened it.
struct BlockParse {
  ControlRecord current;
  bool insideControl = false;
  BlockOutcome outcome;
};

// Returns false when the class is excluded: nothing more is read from the block.
bool ReadHeaderLine(std::string_view line, BlockParse& parse) {
  const std::string_view classField = Trim(FieldFromEnd(line, ' ', 3));
  const std::string_view nameField = Trim(FieldFromEnd(line, ' ', 2));
  parse.outcome.name = nameField;
  parse.outcome.className = classField;
  if (IsExcludedClass(classField)) {
    parse.outcome.excluded = true;
    return false;
  }
  ControlRecord& current = parse.current;
  current.name = FitField(nameField, kNameWidth);
  current.className = FitField(classField, kClassNameWidth);
  parse.insideControl = !parse.insideControl;
  if (const auto kind = LookupClass(Trim(current.className))) {
    current.kind = *kind;
    current.recognised = -1;
  }
  return true;
}

void ReadPropertyLine(std::string_view line, BlockParse& parse, std::vector<ControlRecord>& controlList) {
  const auto key = FindPropertyKey(line);
  if (!key) return;
  ControlRecord& current = parse.current;
  const std::string_view value = PropertyValue(line);
  switch (*key) {
    case PropertyKey::Caption:
    case PropertyKey::Text:
      current.caption = FitField(value, kCaptionWidth);
      break;
    case PropertyKey::Index:
      if (!value.empty()) {
        current.name = FitField(std::string(Trim(current.name)) + "_" + std::string(value), kNameWidth);
      }
      break;
    case PropertyKey::Left:
    case PropertyKey::X1:
      current.left = FitField(value, kNumberFieldWidth);
      break;
    case PropertyKey::Top:
    case PropertyKey::Y1:
      current.top = FitField(value, kNumberFieldWidth);
      break;
    case PropertyKey::Width:
    case PropertyKey::X2:
      current.width = FitField(value, kNumberFieldWidth);
      break;
    case PropertyKey::Height:
    case PropertyKey::Y2:
      current.height = FitField(value, kNumberFieldWidth);
      break;
    case PropertyKey::End:
      if (!parse.insideControl) break;
      if (Trim(current.caption).empty()) {
        current.caption = FitField("\"" + std::string(Trim(current.name)) + "\"", kCaptionWidth);
      }
      StoreControl(current, controlList);
      ++parse.outcome.storedCount;
      parse.insideControl = false;
      break;
    case PropertyKey::TabIndex:
    case PropertyKey::Tag:
    case PropertyKey::Title:
      break;
  }
}

}  // namespace

BlockOutcome ParseControlBlock(std::span<const std::string_view> lines, std::int32_t container,
                               std::vector<ControlRecord>& controlList) {
  BlockParse parse;
  parse.current.container = container;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (IsGroupLine(line)) {
      const auto groupEnd = GroupEnd(lines, i);
      if (!groupEnd) break;
      i = *groupEnd;
      continue;
    }
    if (IsHeaderLine(line)) {
      if (!ReadHeaderLine(line, parse)) return parse.outcome;
      continue;
    }
    if (parse.current.kind == ControlKind::None || parse.current.kind == ControlKind::Menu) continue;
    ReadPropertyLine(line, parse, controlList);
  }
  parse.outcome.recognised = parse.current.recognised != 0;
  parse.outcome.kind = parse.current.kind;
  if (parse.outcome.storedCount == 0) parse.outcome.name = Trim(parse.current.name);
  return parse.outcome;
}

void StoreControl(ControlRecord& current, std::vector<ControlRecord>& controlList) {
  current.seq = static_cast<std::int32_t>(controlList.size()) + 1;
  controlList.push_back(current);
  current = ControlRecord{};
}

std::optional<LeftOutReason> LeftOutReasonFor(const BlockOutcome& outcome, bool blockWasCut) {
  if (outcome.excluded) return LeftOutReason::ExcludedClass;
  if (outcome.storedCount > 0) return std::nullopt;
  if (outcome.kind == ControlKind::Menu) return LeftOutReason::Menu;
  if (outcome.kind == ControlKind::None) {
    if (outcome.recognised) return LeftOutReason::TabClassWithoutKind;
    // A header line longer than the limit leaves no line at all to classify.
    return blockWasCut && outcome.className.empty() ? LeftOutReason::CutAt2048 : LeftOutReason::UnknownClass;
  }
  return blockWasCut ? LeftOutReason::CutAt2048 : LeftOutReason::NoClosingLine;
}

}  // namespace converter
