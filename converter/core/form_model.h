#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "converter/core/control_record.h"
#include "converter/core/conversion_report.h"
#include "converter/core/edition.h"
#include "converter/core/form_header.h"
#include "converter/core/form_text.h"

namespace converter {

// A control block's own position in twips, rounded, and the block it sits in:
// children are shifted by every container around them, stored or not. Only
// containers have their position read: no other block moves anything.
struct BlockPosition {
  int container = 0;
  std::int64_t left = 0;
  std::int64_t top = 0;
};

// The form model of one conversion. Built fresh for every form; its lines
// are views into the FormText it was read from, which must outlive it.
struct FormModel {
  std::vector<std::string_view> headerLines;
  std::vector<std::string_view> menuLines;
  FormHeader formHeader;
  std::vector<ControlRecord> controlList;
  std::vector<ControlRecord> writerList;
  std::vector<BlockPosition> blockPositions;  // by block row - 1
  bool hasChildren = false;

  int controlCount() const { return static_cast<int>(controlList.size()); }
};

// The reading phases: lines of every block, every control block parsed (top
// level first, then the controls inside containers), the form header read.
// Returns what each block left out, in file order.
std::vector<LeftOutControl> ReadFormModel(const FormText& text, Edition edition, FormModel& model);

// `OffsetChildren`: a child's left and top become its own plus those of every
// container around it.
void OffsetChildren(FormModel& model);

// `ReverseControls`: `writerList` is `controlList` reversed, `seq` renumbered.
void ReverseControls(FormModel& model);

// `ConvertControlUnits`: positions in `writerList` from twips to dialog units.
void ConvertControlUnits(FormModel& model);

}  // namespace converter
