#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace converter {

// Blocks longer than this lose their end, closing line included.
inline constexpr std::size_t kBlockLimit = 2048;

// The lines of one control, cut from the control section of the form text.
struct ControlBlock {
  int row = 0;        // place among all control blocks in file order, from 1
  int container = 0;  // row of the block this control sits in; 0 at top level
  bool isContainer = false;
  bool wasCut = false;  // lost its end at kBlockLimit
  std::string text;     // own lines (up to the first child) and a closing line
};

// The form text cut into its parts.
struct FormText {
  int formatVersion = 4;
  std::string headerBlock;
  std::string menuBlock;
  std::vector<ControlBlock> controlBlocks;  // top-level controls, file order
  std::vector<ControlBlock> childBlocks;    // controls inside containers, any depth, file order
  bool hasChildren = false;
};

FormText SplitFormText(std::string_view formText);

// A form whose CR LF line ends became LF on the way (version control does
// that): it holds an LF and no CR at all.
bool HasOnlyLfLineEnds(std::string_view formText);

// The text with a CR put before every LF.
std::string WithCrLfLineEnds(std::string_view lfText);

// The CR LF terminated lines of a block with CR and LF stripped from their
// ends, as views into the block; text after the last CR LF (a cut block's
// remainder) is no line.
std::vector<std::string_view> SplitBlockLines(std::string_view block);

}  // namespace converter
