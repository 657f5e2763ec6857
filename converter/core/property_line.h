#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace converter {

// The property keys of a control block, in the order they are tested.
enum class PropertyKey { Caption, Index, Height, Left, TabIndex, Tag, Text, Title, Top, Width, X1, X2, Y1, Y2, End };

// The first key the line contains (keys carry their indentation, so they
// match at any depth); nullopt for none.
std::optional<PropertyKey> FindPropertyKey(std::string_view line);

// The text after the line's last "=", trimmed; the whole trimmed line when it
// has no "=".
std::string_view PropertyValue(std::string_view line);

// A property group's opening line: "BeginProperty" after the leading blanks.
bool IsGroupLine(std::string_view line);

// A control header line: "Begin" after the leading blanks, not a group line.
bool IsHeaderLine(std::string_view line);

// Index of the line that closes the group opened at `groupLine`, nullopt when
// the block ends first. Nested groups are not counted.
std::optional<std::size_t> GroupEnd(std::span<const std::string_view> lines, std::size_t groupLine);

}  // namespace converter
