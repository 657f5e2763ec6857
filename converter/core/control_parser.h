#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "converter/core/control_record.h"
#include "converter/core/conversion_report.h"

namespace converter {

// What parsing one block did, for the conversion report.
struct BlockOutcome {
  int storedCount = 0;
  bool excluded = false;
  bool recognised = false;
  ControlKind kind = ControlKind::None;
  std::string name;  // as last read from the block
  std::string className;
};

// `ParseControlBlock`: reads one block's lines into a fresh record, with
// `container` set for a child block, and stores it at its closing line.
BlockOutcome ParseControlBlock(std::span<const std::string_view> lines, std::int32_t container,
                               std::vector<ControlRecord>& controlList);

// `StoreControl`: appends the record as the next row of `controlList`, numbered
// in `seq`, and clears it.
void StoreControl(ControlRecord& current, std::vector<ControlRecord>& controlList);

// Why a block produced no record; nullopt when it stored one.
std::optional<LeftOutReason> LeftOutReasonFor(const BlockOutcome& outcome, bool blockWasCut);

}  // namespace converter
