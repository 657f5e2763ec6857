#include "host/runtime/text.h"

#include <windows.h>

namespace host {

std::string UCase(std::string_view text) {
  std::string upper(text);
  if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

}  // namespace host
