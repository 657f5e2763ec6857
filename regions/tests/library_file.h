#pragma once

#include <windows.h>

#include <string>

namespace regions::testing {

// Regions.ocx as the build leaves it: bin/ beside the tests' folder.
std::string LibraryPath();

// The library loaded into the test for the object's life.
class LoadedLibrary {
 public:
  LoadedLibrary() : module_(LoadLibraryA(LibraryPath().c_str())) {}
  ~LoadedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

}  // namespace regions::testing
