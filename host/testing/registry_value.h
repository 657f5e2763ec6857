#pragma once

#include <windows.h>

#include <array>
#include <string>

namespace host::testing {

// A text value under HKEY_CLASSES_ROOT (the key's default value where `name`
// is null); "(missing)" where there is none.
inline std::string ClassesRootValue(const std::string& key, const char* name = nullptr) {
  std::array<char, MAX_PATH> value{};
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return "(missing)";
  }
  return value.data();
}

}  // namespace host::testing
