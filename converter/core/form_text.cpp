#include "converter/core/form_text.h"

#include <algorithm>
#include <functional>

#include "converter/core/text_fields.h"

namespace converter {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kClosingLine = "   End\r\n";

std::string CutToBlockLimit(std::string text) {
  if (text.size() > kBlockLimit) text.resize(kBlockLimit);
  return text;
}

// Horspool's search: the patterns start with blanks, which are everywhere in
// a form, so a plain search stops at nearly every byte.
std::size_t Find(std::string_view text, std::string_view pattern) {
  const auto found =
      std::search(text.begin(), text.end(), std::boyer_moore_horspool_searcher(pattern.begin(), pattern.end()));
  return found == text.end() ? std::string_view::npos : static_cast<std::size_t>(found - text.begin());
}

// Depth of a line made of 3 x depth blanks followed by `rest` (a prefix when
// `wholeLine` is false); 0 when the line is not of that form.
int IndentDepth(std::string_view line, std::string_view rest, bool wholeLine) {
  const std::size_t blanks = line.find_first_not_of(' ');
  if (blanks == std::string_view::npos || blanks == 0 || blanks % 3 != 0) return 0;
  const std::string_view text = line.substr(blanks);
  const bool matches = wholeLine ? text == rest : text.starts_with(rest);
  return matches ? static_cast<int>(blanks / 3) : 0;
}

int HeaderDepth(std::string_view line) { return IndentDepth(line, "Begin ", false); }
int ClosingDepth(std::string_view line) { return IndentDepth(line, "End", true); }

struct PendingBlock {
  ControlBlock block;
  std::size_t begin = 0;      // its own lines in the section: from its header
  std::size_t end = 0;        // to its first child or its end, CR LF included
  bool ownLinesDone = false;  // a child has begun: later lines are not its own
  bool closed = false;        // its own closing line was found
};

// Cuts the control section, which ends with CR LF, into one block per control
// at any depth. A control at depth d opens with 3d blanks and "Begin " and
// closes with 3d blanks and "End"; a closing line also ends every deeper
// control still open. A control without its closing line runs to the end of
// what holds it: its container's closing line, or the end of the section.
std::vector<PendingBlock> CutControlBlocks(std::string_view section) {
  std::vector<PendingBlock> blocks;
  std::vector<std::size_t> open;  // open[d - 1] is the open block at depth d
  for (std::size_t start = 0, next = 0; start < section.size(); start = next) {
    const std::size_t lineEnd = std::min(section.find(kCrLf, start), section.size());
    next = std::min(lineEnd + kCrLf.size(), section.size());
    const std::string_view line = section.substr(start, lineEnd - start);
    if (HeaderDepth(line) == static_cast<int>(open.size()) + 1) {
      PendingBlock pending;
      pending.block.row = static_cast<int>(blocks.size()) + 1;
      pending.begin = start;
      pending.end = next;
      if (!open.empty()) {
        PendingBlock& container = blocks[open.back()];
        container.ownLinesDone = true;
        container.block.isContainer = true;
        pending.block.container = container.block.row;
      }
      open.push_back(blocks.size());
      blocks.push_back(std::move(pending));
      continue;
    }
    const int closingDepth = ClosingDepth(line);
    if (closingDepth > 0 && closingDepth <= static_cast<int>(open.size())) {
      blocks[open[closingDepth - 1]].closed = true;
      open.resize(closingDepth - 1);
      continue;
    }
    if (!open.empty() && !blocks[open.back()].ownLinesDone) blocks[open.back()].end = next;
  }
  return blocks;
}

// Every block ends with an added line "   End", except a top-level control
// that never found its closing line and holds no other: its lines run to the
// end of the section and stand as they are.
void AddControlBlocks(std::string_view section, FormText& result) {
  for (PendingBlock& pending : CutControlBlocks(section)) {
    ControlBlock& block = pending.block;
    const bool keepsOwnEnd = block.container == 0 && !block.isContainer && !pending.closed;
    const std::string_view ownLines = section.substr(pending.begin, pending.end - pending.begin);
    const std::string_view closing = keepsOwnEnd ? std::string_view{} : kClosingLine;
    block.wasCut = ownLines.size() + closing.size() > kBlockLimit;
    block.text.reserve(std::min(ownLines.size() + closing.size(), kBlockLimit));
    block.text.append(ownLines.substr(0, kBlockLimit));
    block.text.append(closing.substr(0, kBlockLimit - block.text.size()));
    (block.container == 0 ? result.controlBlocks : result.childBlocks).push_back(std::move(block));
  }
}

}  // namespace

FormText SplitFormText(std::string_view formText) {
  FormText result;
  result.formatVersion = formText.find("VERSION 2.0") != std::string_view::npos ? 2 : 4;

  // Drop the form's own End line, its attributes and its code; a blank line
  // stands in for them.
  std::string_view kept = formText;
  std::string_view afterKept;
  if (const std::size_t tail = Find(formText, "   End\r\nEnd\r\n"); tail != std::string_view::npos) {
    kept = formText.substr(0, tail + kClosingLine.size());
    afterKept = kCrLf;
  }

  const std::size_t firstControl = Find(kept, "   Begin ");
  if (firstControl == std::string_view::npos) return result;
  result.headerBlock.append(kept.substr(0, std::min(firstControl, kBlockLimit))).append(" End\r\n");
  result.headerBlock = CutToBlockLimit(std::move(result.headerBlock));
  std::string section;
  section.reserve(kept.size() - firstControl + 2 * kCrLf.size());
  section.append(kept.substr(firstControl)).append(afterKept).append(kCrLf);

  const std::string_view menuHeader = result.formatVersion == 2 ? "   Begin Menu " : "   Begin VB.Menu ";
  if (const std::size_t menus = Find(section, menuHeader); menus != std::string::npos) {
    result.menuBlock = CutToBlockLimit(section.substr(menus));
    section.resize(menus);
    section.append(" \r\n");
  }

  result.hasChildren = Find(section, "      Begin ") != std::string::npos;
  AddControlBlocks(section, result);
  return result;
}

bool HasOnlyLfLineEnds(std::string_view formText) {
  return formText.find('\r') == std::string_view::npos && formText.find('\n') != std::string_view::npos;
}

std::string WithCrLfLineEnds(std::string_view lfText) {
  std::string text;
  text.reserve(lfText.size() + lfText.size() / 16);
  std::size_t start = 0;
  for (std::size_t lf = lfText.find('\n'); lf != std::string_view::npos; lf = lfText.find('\n', start)) {
    text.append(lfText.substr(start, lf - start)).append(kCrLf);
    start = lf + 1;
  }
  return text.append(lfText.substr(start));
}

std::vector<std::string_view> SplitBlockLines(std::string_view block) {
  std::size_t lineCount = 0;
  for (std::size_t at = block.find(kCrLf); at != std::string_view::npos; at = block.find(kCrLf, at + 2)) {
    ++lineCount;
  }
  std::vector<std::string_view> lines;
  lines.reserve(lineCount);
  std::size_t start = 0;
  for (std::size_t i = 0; i < lineCount; ++i) {
    const std::size_t cr = block.find('\r', start);
    lines.push_back(Trim(block.substr(start, cr + 1 - start), "\r\n"));
    start = cr + 1;
  }
  return lines;
}

}  // namespace converter
