#include <algorithm>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

#include "host/description/form_text.h"
#include "host/runtime/ascii_text.h"
#include "host/runtime/error.h"

namespace host {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// The value without a trailing comment; a quoted value ends at its closing
// quote, or after the offset of a companion-data reference (`"Form1.frx":0000`).
std::string ValueWithoutComment(std::string_view value) {
  if (!value.empty() && value.front() == '"') {
    std::size_t at = 1;
    while (at < value.size()) {
      if (value[at] == '"' && (at + 1 >= value.size() || value[at + 1] != '"')) break;
      at += value[at] == '"' ? 2 : 1;
    }
    std::size_t end = at + 1;
    if (end < value.size() && value[end] == ':') end = std::min(value.size(), value.find_first_of(" \t'", end));
    return std::string(value.substr(0, end));
  }
  return std::string(TrimBlanks(value.substr(0, value.find('\''))));
}

// `word` (Begin, BeginProperty) as the line's first word opens a block, unless
// the line holds an '=': "Begin x = 1" is how the writer stores a key "Begin x".
bool OpensBlock(std::string_view line, std::string_view word) {
  return line.find('=') == std::string_view::npos && line.size() >= word.size() &&
         EqualsIgnoreCase(line.substr(0, word.size()), word) &&
         (line.size() == word.size() || line[word.size()] == ' ');
}

// Deeper nesting than any form needs would only exhaust the stack, here and in
// everything that walks the description.
constexpr int kMaxDepth = 64;

class Reader {
 public:
  Reader(std::string_view text, std::string_view sourceName) : text_(text), source_(sourceName) {}

  ObjectDescription ReadForm() {
    std::vector<ControlLibraryReference> libraries;
    while (NextLine()) {
      if (OpensBlock(line_, "Begin")) {
        ObjectDescription form = ReadObject(1);
        form.libraries = std::move(libraries);
        return form;
      }
      const std::size_t equals = line_.find('=');
      if (equals != std::string_view::npos && EqualsIgnoreCase(TrimBlanks(line_.substr(0, equals)), "Object")) {
        libraries.push_back(ReadLibraryReference(TrimBlanks(line_.substr(equals + 1))));
      }
    }
    Fail("no Begin block");
  }

 private:
  bool NextLine() {
    while (position_ < text_.size()) {
      const std::size_t end = std::min(text_.find('\n', position_), text_.size());
      line_ = TrimBlanks(text_.substr(position_, end - position_));
      position_ = end + 1;
      ++lineNumber_;
      if (!line_.empty()) return true;
    }
    return false;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw RuntimeError(error_number::InvalidPropertyValue,
                       std::string(source_) + ", line " + std::to_string(lineNumber_) + ": " + what);
  }

  void CheckDepth(int depth) const {
    if (depth > kMaxDepth) Fail("blocks nested deeper than " + std::to_string(kMaxDepth));
  }

  // line_ is "Begin <class> <name>".
  ObjectDescription ReadObject(int depth) {
    CheckDepth(depth);
    ObjectDescription object;
    const std::string_view header = TrimBlanks(line_.substr(5));
    const std::size_t space = header.find(' ');
    if (space == std::string_view::npos) Fail("Begin without a name");
    object.className = header.substr(0, space);
    object.name = TrimBlanks(header.substr(space + 1));
    while (NextLine()) {
      if (EqualsIgnoreCase(line_, "End")) return object;
      if (OpensBlock(line_, "Begin")) {
        object.children.push_back(ReadObject(depth + 1));
      } else if (OpensBlock(line_, "BeginProperty")) {
        object.properties.groups.push_back(ReadGroup(depth + 1));
      } else {
        object.properties.settings.push_back(ReadSetting());
      }
    }
    Fail("Begin " + object.name + " has no End");
  }

  PropertyGroup ReadGroup(int depth) {
    CheckDepth(depth);
    PropertyGroup group;
    const std::string_view rest = TrimBlanks(line_.substr(13));
    group.name = rest.substr(0, rest.find(' '));
    while (NextLine()) {
      if (EqualsIgnoreCase(line_, "EndProperty")) return group;
      if (OpensBlock(line_, "BeginProperty")) {
        group.block.groups.push_back(ReadGroup(depth + 1));
      } else {
        group.block.settings.push_back(ReadSetting());
      }
    }
    Fail("BeginProperty " + group.name + " has no EndProperty");
  }

  // `"{GUID}#1.0#0"; "File.ocx"`: the type library, its version and locale, and its file.
  ControlLibraryReference ReadLibraryReference(std::string_view value) {
    const auto fail = [&] { Fail("expected Object = \"{type library}#version#locale\"; \"file\""); };
    const std::size_t separator = value.find(';');
    const std::string_view library = TrimBlanks(value.substr(0, separator));
    const std::string_view file = separator == std::string_view::npos ? "" : TrimBlanks(value.substr(separator + 1));
    if (library.size() < 2 || library.front() != '"' || library.back() != '"' || file.size() < 2 ||
        file.front() != '"' || file.back() != '"') {
      fail();
    }
    const std::string_view fields = library.substr(1, library.size() - 2);
    const std::size_t firstHash = fields.find('#');
    const std::size_t secondHash = fields.find('#', firstHash + 1);
    const std::size_t dot = fields.find('.', firstHash + 1);
    if (firstHash == std::string_view::npos || secondHash == std::string_view::npos || dot > secondHash) fail();
    ControlLibraryReference reference;
    reference.typeLibraryId = std::string(fields.substr(0, firstHash));
    if (!ReadHex(fields.substr(firstHash + 1, dot - firstHash - 1), reference.majorVersion) ||
        !ReadHex(fields.substr(dot + 1, secondHash - dot - 1), reference.minorVersion) ||
        !ReadHex(fields.substr(secondHash + 1), reference.localeId) || reference.typeLibraryId.size() != 38 ||
        reference.typeLibraryId.front() != '{' || reference.typeLibraryId.back() != '}') {
      fail();
    }
    reference.fileName = std::string(file.substr(1, file.size() - 2));
    return reference;
  }

  // Version numbers and locales are hexadecimal, as in the registry's type library keys.
  template <typename Number>
  static bool ReadHex(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, 16);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
  }

  PropertySetting ReadSetting() {
    const std::size_t equals = line_.find('=');
    if (equals == std::string_view::npos) Fail("expected Key = Value, found '" + std::string(line_) + "'");
    return {std::string(TrimBlanks(line_.substr(0, equals))),
            ValueWithoutComment(TrimBlanks(line_.substr(equals + 1)))};
  }

  std::string_view text_;
  std::string_view source_;
  std::size_t position_ = 0;
  int lineNumber_ = 0;
  std::string_view line_;
};

}  // namespace

const PropertySetting* PropertyBlock::Find(std::string_view key) const {
  for (const PropertySetting& setting : settings) {
    if (EqualsIgnoreCase(setting.key, key)) return &setting;
  }
  return nullptr;
}

const PropertyGroup* PropertyBlock::FindGroup(std::string_view name) const {
  for (const PropertyGroup& group : groups) {
    if (EqualsIgnoreCase(group.name, name)) return &group;
  }
  return nullptr;
}

ObjectDescription ParseFormText(std::string_view text, std::string_view sourceName) {
  return Reader(text, sourceName).ReadForm();
}

}  // namespace host
