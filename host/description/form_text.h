#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// One `Key = Value` line; the value keeps its quotes, comments are dropped.
struct PropertySetting {
  std::string key;
  std::string value;
};

struct PropertyGroup;

// The settings of one object, with its BeginProperty groups (fonts).
struct PropertyBlock {
  std::vector<PropertySetting> settings;
  std::vector<PropertyGroup> groups;

  // Keys and group names compare without regard to case.
  const PropertySetting* Find(std::string_view key) const;
  const PropertyGroup* FindGroup(std::string_view name) const;
};

struct PropertyGroup {
  std::string name;
  PropertyBlock block;
};

// A control library a form's ActiveX controls come from, as an
// `Object = "{type library}#major.minor#locale"; "File.ocx"` line before the
// form's Begin names it.
struct ControlLibraryReference {
  std::string typeLibraryId;  // "{...}" as written
  unsigned majorVersion = 0;
  unsigned minorVersion = 0;
  unsigned long localeId = 0;
  std::string fileName;
};

// A Begin ... End block: the form itself, a control or a menu.
struct ObjectDescription {
  std::string className;
  std::string name;
  PropertyBlock properties;
  std::vector<ObjectDescription> children;
  // The form's only: the control libraries its controls come from.
  std::vector<ControlLibraryReference> libraries;
};

// Reads form-description text (a VERSION line, `Object =` lines, then one
// Begin block; what follows its End is ignored). Malformed structure raises error 380 naming
// the source and the line.
ObjectDescription ParseFormText(std::string_view text, std::string_view sourceName);

// Writes a property block in the same layout, indented by `depth` levels of
// three spaces: what a designer stores for an object.
std::string WritePropertyBlock(const PropertyBlock& block, int depth);

}  // namespace host
