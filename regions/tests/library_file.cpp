#include "regions/tests/library_file.h"

#include <array>

namespace regions::testing {

std::string LibraryPath() {
  std::array<char, MAX_PATH> path{};
  GetFullPathNameA("..\\bin\\Regions.ocx", static_cast<DWORD>(path.size()), path.data(), nullptr);
  return path.data();
}

}  // namespace regions::testing
