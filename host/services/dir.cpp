#include "host/services/dir.h"

#include <windows.h>

#include "host/win32/unique_handle.h"

namespace host {
namespace {

struct FindTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE search) { FindClose(search); }
};
using UniqueFind = UniqueHandle<HANDLE, FindTraits>;

bool IsNormalFile(const WIN32_FIND_DATAA& found) {
  return (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace

std::string Dir(std::string_view pattern) {
  if (pattern.empty()) return {};
  WIN32_FIND_DATAA found{};
  const UniqueFind search(FindFirstFileA(std::string(pattern).c_str(), &found));
  if (!search) return {};
  do {
    if (IsNormalFile(found)) return found.cFileName;
  } while (FindNextFileA(search.get(), &found));
  return {};
}

}  // namespace host
