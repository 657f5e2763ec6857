#include "host/win32/gateway.h"

#include <map>
#include <string>

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

}  // namespace

FARPROC BindEntryPoint(std::string_view library, std::string_view entryPoint) {
  const std::string libraryName(library);
  const std::string entryName(entryPoint);
  const FARPROC address = GetProcAddress(LoadGatewayLibrary(libraryName), entryName.c_str());
  if (address == nullptr) {
    throw RuntimeError(error_number::EntryPointNotFound,
                       "Can't find DLL entry point " + entryName + " in " + libraryName);
  }
  return address;
}

}  // namespace host
