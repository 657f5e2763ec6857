#include <string>

#include "host/description/form_text.h"

namespace host {

std::string WritePropertyBlock(const PropertyBlock& block, int depth) {
  const std::string indent(static_cast<std::size_t>(depth) * 3, ' ');
  std::string text;
  for (const PropertySetting& setting : block.settings) {
    text += indent + setting.key + " = " + setting.value + "\r\n";
  }
  for (const PropertyGroup& group : block.groups) {
    text += indent + "BeginProperty " + group.name + "\r\n";
    text += WritePropertyBlock(group.block, depth + 1);
    text += indent + "EndProperty\r\n";
  }
  return text;
}

}  // namespace host
