#include "host/activex/control_class_lookup.h"

// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string>

#include "host/com/com_ptr.h"
#include "host/runtime/ascii_text.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// The name a type library gives itself (index -1) or one of its types.
std::string DocumentedName(ITypeLib& library, INT index) {
  Bstr name;
  if (FAILED(library.GetDocumentation(index, name.put(), nullptr, nullptr, nullptr))) return {};
  return name.ToAnsi();
}

ComPtr<ITypeLib> RegisteredLibrary(const ControlLibraryReference& reference) {
  GUID id{};
  ComPtr<ITypeLib> library;
  if (SUCCEEDED(CLSIDFromString(Bstr(reference.typeLibraryId).get(), &id))) {
    LoadRegTypeLib(id, static_cast<WORD>(reference.majorVersion), static_cast<WORD>(reference.minorVersion),
                   reference.localeId, &library);
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
