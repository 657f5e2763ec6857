#include "converter/core/form_model.h"

#include <algorithm>
#include <utility>

#include "converter/core/control_parser.h"
#include "converter/core/property_line.h"
#include "converter/core/text_fields.h"

namespace converter {

namespace {

// Reads left and top the way a stored record would get them, whatever the
// block's class: up to the first closing line.
BlockPosition ReadBlockPosition(std::span<const std::string_view> lines, int container) {
  std::string left;
  std::string top;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsGroupLine(lines[i])) {
      const auto groupEnd = GroupEnd(lines, i);
      if (!groupEnd) break;
      i = *groupEnd;
      continue;
    }
    if (IsHeaderLine(lines[i])) continue;
    const auto key = FindPropertyKey(lines[i]);
    if (key == PropertyKey::End) break;
    if (key == PropertyKey::Left || key == PropertyKey::X1) left = FitField(PropertyValue(lines[i]), kNumberFieldWidth);
    if (key == PropertyKey::Top || key == PropertyKey::Y1) top = FitField(PropertyValue(lines[i]), kNumberFieldWidth);
  }
  return {container, RoundHalfEven(Val(left)), RoundHalfEven(Val(top))};
}

struct LeftOutAt {
  int row;
  LeftOutControl control;
};

void ReadBlock(const ControlBlock& block, FormModel& model, std::vector<LeftOutAt>& leftOut) {
  const std::vector<std::string_view> lines = SplitBlockLines(block.text);
  // Only a container's position moves other controls.
  model.blockPositions[block.row - 1] =
      block.isContainer ? ReadBlockPosition(lines, block.container) : BlockPosition{block.container};
  const BlockOutcome outcome = ParseControlBlock(lines, block.container, model.controlList);
  if (const auto reason = LeftOutReasonFor(outcome, block.wasCut)) {
    leftOut.push_back({block.row, {outcome.name, outcome.className, *reason}});
  }
}

}  // namespace

std::vector<LeftOutControl> ReadFormModel(const FormText& text, Edition edition, FormModel& model) {
  model.headerLines = SplitBlockLines(text.headerBlock);
  model.hasChildren = text.hasChildren;
  model.blockPositions.assign(text.controlBlocks.size() + text.childBlocks.size(), {});
  std::vector<LeftOutAt> leftOut;
  for (const ControlBlock& block : text.controlBlocks) ReadBlock(block, model, leftOut);
  for (const ControlBlock& block : text.childBlocks) ReadBlock(block, model, leftOut);
  model.menuLines = SplitBlockLines(text.menuBlock);
  model.formHeader = ParseFormHeader(model.headerLines, edition);

  std::stable_sort(leftOut.begin(), leftOut.end(),
                   [](const LeftOutAt& a, const LeftOutAt& b) { return a.row < b.row; });
  std::vector<LeftOutControl> inFileOrder;
  inFileOrder.reserve(leftOut.size());
  for (LeftOutAt& entry : leftOut) inFileOrder.push_back(std::move(entry.control));
  return inFileOrder;
}

void OffsetChildren(FormModel& model) {
  // Containers come before what they hold, so one pass accumulates each
  // block's distance from the form. Every term is read from a 7-character
  // field, so 64 bits cannot overflow for any input that fits in memory.
  std::vector<BlockPosition> fromForm = model.blockPositions;
  for (BlockPosition& position : fromForm) {
    if (position.container <= 0) continue;
    const BlockPosition& outer = fromForm[position.container - 1];
    position.left += outer.left;
    position.top += outer.top;
  }
  for (ControlRecord& record : model.controlList) {
    if (record.container <= 0 || record.container > static_cast<int>(fromForm.size())) continue;
    const BlockPosition& container = fromForm[record.container - 1];
    record.left = FitField(FormatMask(RoundHalfEven(Val(record.left)) + container.left, 4), kNumberFieldWidth);
    record.top = FitField(FormatMask(RoundHalfEven(Val(record.top)) + container.top, 4), kNumberFieldWidth);
  }
}

void ReverseControls(FormModel& model) {
  model.writerList.assign(model.controlList.rbegin(), model.controlList.rend());
  std::int32_t seq = 0;
  for (ControlRecord& record : model.writerList) record.seq = ++seq;
}

void ConvertControlUnits(FormModel& model) {
  for (ControlRecord& record : model.writerList) {
    record.left = DialogUnitsField(TwipsToDialogUnits(record.left, kHorizontalUnitsPerTwip));
    record.width = DialogUnitsField(TwipsToDialogUnits(record.width, kHorizontalUnitsPerTwip));
    record.top = DialogUnitsField(TwipsToDialogUnits(record.top, kVerticalUnitsPerTwip));
    record.height = DialogUnitsField(TwipsToDialogUnits(record.height, kVerticalUnitsPerTwip));
  }
}

}  // namespace converter
