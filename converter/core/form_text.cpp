#include "converter/core/form_text.h"

#include "converter/core/text_fields.h"

namespace converter {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kClosingLine = "   End\r\n";

std::string CutToBlockLimit(std::string text) {
  if (text.size() > kBlockLimit) text.resize(kBlockLimit);
  return text;
}

std::vector<std::string_view> CrLfLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(kCrLf, start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + kCrLf.size();
  }
  return lines;
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
  bool ownLinesDone = false;  // a child has begun: later lines are not its own
};

// Cuts the control section into one block per control at any depth. A control
// at depth d opens with 3d blanks and "Begin " and closes with 3d blanks and
// "End"; a closing line also ends every deeper control still open.
std::vector<PendingBlock> CutControlBlocks(std::string_view section) {
  std::vector<PendingBlock> blocks;
  std::vector<std::size_t> open;  // open[d - 1] is the open block at depth d
  std::size_t topLevelStart = 0;
  for (const std::string_view line : CrLfLines(section)) {
    if (HeaderDepth(line) == static_cast<int>(open.size()) + 1) {
      PendingBlock pending;
      pending.block.row = static_cast<int>(blocks.size()) + 1;
      if (open.empty()) {
        topLevelStart = blocks.size();
      } else {
        PendingBlock& container = blocks[open.back()];
        container.ownLinesDone = true;
        container.block.isContainer = true;
        pending.block.container = container.block.row;
      }
      pending.block.text.append(line).append(kCrLf);
      open.push_back(blocks.size());
      blocks.push_back(std::move(pending));
      continue;
    }
    const int closingDepth = ClosingDepth(line);
    if (closingDepth > 0 && closingDepth <= static_cast<int>(open.size())) {
      open.resize(closingDepth - 1);
      continue;
    }
    if (open.empty()) continue;
    PendingBlock& current = blocks[open.back()];
    // Past the limit the text is cut anyway; stop copying.
    if (!current.ownLinesDone && current.block.text.size() <= kBlockLimit) {
      current.block.text.append(line).append(kCrLf);
    }
  }
  // A top-level block without its closing line has no boundary: it is no block.
  if (!open.empty()) blocks.resize(topLevelStart);
  return blocks;
}

void AddControlBlocks(std::string_view section, FormText& result) {
  for (PendingBlock& pending : CutControlBlocks(section)) {
    ControlBlock& block = pending.block;
    block.text.append(kClosingLine);
    block.wasCut = block.text.size() > kBlockLimit;
    block.text = CutToBlockLimit(std::move(block.text));
    (block.container == 0 ? result.controlBlocks : result.childBlocks).push_back(std::move(block));
  }
}

}  // namespace

FormText SplitFormText(std::string_view formText) {
  FormText result;
  result.formatVersion = formText.find("VERSION 2.0") != std::string_view::npos ? 2 : 4;

  // Drop the form's own End line, its attributes and its code.
  std::string text(formText);
  constexpr std::string_view kLastClosing = "   End\r\nEnd\r\n";
  if (const std::size_t tail = text.find(kLastClosing); tail != std::string::npos) {
    text.resize(tail + std::string_view("   End\r\n").size());
    text.append(kCrLf);
  }

  const std::size_t firstControl = text.find("   Begin ");
  if (firstControl == std::string::npos) return result;
  result.headerBlock = CutToBlockLimit(text.substr(0, firstControl) + " End\r\n");
  std::string section = text.substr(firstControl) + std::string(kCrLf);

  const std::string_view menuHeader = result.formatVersion == 2 ? "   Begin Menu " : "   Begin VB.Menu ";
  if (const std::size_t menus = section.find(menuHeader); menus != std::string::npos) {
    result.menuBlock = CutToBlockLimit(section.substr(menus));
    section.resize(menus);
    section.append(" \r\n");
  }

  result.hasChildren = section.find("      Begin ") != std::string::npos;
  AddControlBlocks(section, result);
  return result;
}

std::vector<std::string> SplitBlockLines(std::string_view block) {
  std::size_t lineCount = 0;
  for (std::size_t at = block.find(kCrLf); at != std::string_view::npos; at = block.find(kCrLf, at + 2)) {
    ++lineCount;
  }
  std::vector<std::string> lines;
  lines.reserve(lineCount);
  std::size_t start = 0;
  for (std::size_t i = 0; i < lineCount; ++i) {
    const std::size_t cr = block.find('\r', start);
    lines.emplace_back(Trim(block.substr(start, cr + 1 - start), "\r\n"));
    start = cr + 1;
  }
  return lines;
}

}  // namespace converter
