#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/win32/gateway.h"

namespace host::testing {

// Stands `replacement` in for an entry point bound by name, for the life of
// the object: every Win32Function of that name calls it instead.
class EntryPointReplacement {
 public:
  template <typename Function>
  EntryPointReplacement(std::string_view library, std::string_view entryPoint, Function* replacement)
      : library_(library), entryPoint_(entryPoint) {
    ReplaceEntryPoint(library_, entryPoint_, reinterpret_cast<FARPROC>(reinterpret_cast<void*>(replacement)));
  }
  ~EntryPointReplacement() { ReplaceEntryPoint(library_, entryPoint_, nullptr); }
  EntryPointReplacement(const EntryPointReplacement&) = delete;
  EntryPointReplacement& operator=(const EntryPointReplacement&) = delete;

 private:
  std::string library_;
  std::string entryPoint_;
};

}  // namespace host::testing
