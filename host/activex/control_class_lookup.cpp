#include "host/activex/control_class_lookup.h"

// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/com/com_ptr.h"
#include "host/runtime/ascii_text.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

// The name a type library gives itself (index -1) or one of its types.
std::string DocumentedName(ITypeLib& library, INT index) {
  Bstr name;
  if (FAILED(library.GetDocumentation(index, name.put(), nullptr, nullptr, nullptr))) return {};
  return name.ToAnsi();
}

// The locales a type library version is registered under (its hexadecimal
// subkeys beside FLAGS and HELPDIR).
std::vector<LCID> RegisteredLocales(const ControlLibraryReference& reference) {
  char path[96];
  std::snprintf(path, sizeof path, "TypeLib\\%s\\%x.%x", reference.typeLibraryId.c_str(), reference.majorVersion,
                reference.minorVersion);
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  const UniqueRegistryKey key(opened);
  std::vector<LCID> locales;
  char name[32];
  for (DWORD index = 0, size = sizeof name;
       RegEnumKeyExA(key.get(), index, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++index, size = sizeof name) {
    char* end = nullptr;
    const unsigned long locale = std::strtoul(name, &end, 16);
    if (end != name && *end == '\0') locales.push_back(locale);
  }
  return locales;
}

// The library a form's Object line names. Form files store locale 0 for a
// library registered under one locale: where the locale named is not
// registered, any registered locale of that version will do.
ComPtr<ITypeLib> RegisteredLibrary(const ControlLibraryReference& reference) {
  GUID id{};
  ComPtr<ITypeLib> library;
  if (FAILED(CLSIDFromString(Bstr(reference.typeLibraryId).get(), &id))) return library;
  const auto load = [&](LCID locale) {
    return SUCCEEDED(LoadRegTypeLib(id, static_cast<WORD>(reference.majorVersion),
                                    static_cast<WORD>(reference.minorVersion), locale, &library));
  };
  if (load(reference.localeId)) return library;
  for (const LCID locale : RegisteredLocales(reference)) {
    if (load(locale)) return library;
  }
  return library;
}

bool FindCoclass(ITypeLib& library, std::string_view name, CLSID& found) {
  for (UINT index = 0; index < library.GetTypeInfoCount(); ++index) {
    TYPEKIND kind{};
    if (FAILED(library.GetTypeInfoType(index, &kind)) || kind != TKIND_COCLASS) continue;
    if (!EqualsIgnoreCase(DocumentedName(library, static_cast<INT>(index)), name)) continue;
    ComPtr<ITypeInfo> info;
    TYPEATTR* attributes = nullptr;
    if (FAILED(library.GetTypeInfo(index, &info)) || FAILED(info->GetTypeAttr(&attributes))) return false;
    found = attributes->guid;
    info->ReleaseTypeAttr(attributes);
    return true;
  }
  return false;
}

}  // namespace

CLSID FindControlClass(const std::vector<ControlLibraryReference>& libraries, std::string_view className,
                       std::string_view controlName) {
  const std::size_t dot = className.find('.');
  const std::string_view libraryName = className.substr(0, dot);
  const std::string_view coclassName = dot == std::string_view::npos ? std::string_view() : className.substr(dot + 1);
  // The files that may hold the class: the one whose library has the name, else every one not registered.
  std::string files;
  for (const ControlLibraryReference& reference : libraries) {
    const ComPtr<ITypeLib> library = RegisteredLibrary(reference);
    if (!library) {
      files += (files.empty() ? "" : " or ") + reference.fileName;
      continue;
    }
    if (!EqualsIgnoreCase(DocumentedName(*library.Get(), -1), libraryName)) continue;
    CLSID found{};
    if (FindCoclass(*library.Get(), coclassName, found)) return found;
    files = reference.fileName;
    break;
  }
  if (files.empty()) files = "no control library the form names";
  throw RuntimeError(error_number::CannotCreateObject,
                     "ActiveX component can't create object: " + std::string(controlName) + " (" +
                         std::string(className) + ") from " + files +
                         "; register the control library with regsvr32 and load the form again");
}

}  // namespace host
