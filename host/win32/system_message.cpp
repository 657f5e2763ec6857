#include "host/win32/system_message.h"

#include <array>

namespace host {

std::string SystemMessage(DWORD code) {
  std::array<char, 512> text{};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                text.data(), static_cast<DWORD>(text.size()), nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  return std::string(text.data(), length);
}

}  // namespace host
