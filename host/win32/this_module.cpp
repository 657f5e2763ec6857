#include "host/win32/this_module.h"

#include <array>

namespace host {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

std::wstring ThisModuleFileName() {
  std::array<wchar_t, MAX_PATH> path{};
  return std::wstring(path.data(), GetModuleFileNameW(ThisModule(), path.data(), static_cast<DWORD>(path.size())));
}

}  // namespace host
