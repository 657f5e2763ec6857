#include "host/win32/gateway.h"

#include <map>
#include <string>
#include <utility>

#include "host/runtime/error.h"

namespace host {
namespace {

HMODULE LoadGatewayLibrary(const std::string& library) {
  static std::map<std::string, HMODULE, std::less<>> loaded;
  if (const auto found = loaded.find(library); found != loaded.end()) return found->second;
  const HMODULE module = LoadLibraryA(library.c_str());
  if (module == nullptr) throw RuntimeError(error_number::DllLoad, "File not found: " + library);
  loaded.emplace(library, module);
  return module;
}

using EntryPointName = std::pair<std::string, std::string>;

std::map<EntryPointName, FARPROC>& Replacements() {
  static std::map<EntryPointName, FARPROC> replacements;
  return replacements;
}

}  // namespace

void ReplaceEntryPoint(std::string_view library, std::string_view entryPoint, FARPROC replacement) {
  EntryPointName name{std::string(library), std::string(entryPoint)};
  if (replacement == nullptr) {
    Replacements().erase(name);
  } else {
    Replacements()[std::move(name)] = replacement;
  }
  entryPointGeneration.fetch_add(1, std::memory_order_relaxed);
}

FARPROC BindEntryPoint(std::string_view library, std::string_view entryPoint) {
  const std::string libraryName(library);
  const std::string entryName(entryPoint);
  if (const auto found = Replacements().find({libraryName, entryName}); found != Replacements().end()) {
    return found->second;
  }
  const FARPROC address = GetProcAddress(LoadGatewayLibrary(libraryName), entryName.c_str());
  if (address == nullptr) {
    throw RuntimeError(error_number::EntryPointNotFound,
                       "Can't find DLL entry point " + entryName + " in " + libraryName);
  }
  return address;
}

}  // namespace host
