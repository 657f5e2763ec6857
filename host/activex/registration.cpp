#include <array>
#include <string>

#include "host/activex/control_library.h"
#include "host/win32/bstr.h"
#include "host/win32/this_module.h"
#include "host/com/com_ptr.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

std::string TextOf(const GUID& id) {
  std::array<wchar_t, 40> wide{};
  StringFromGUID2(id, wide.data(), static_cast<int>(wide.size()));
  return std::string(wide.begin(), wide.begin() + static_cast<std::ptrdiff_t>(wcslen(wide.data())));
}

// Writes `key` under the classes root with its default value and, when
// given, one named value; throws the system's error as an HRESULT.
void WriteKey(const std::string& key, const std::string& value, const char* name = nullptr,
              const std::string& namedValue = {}) {
  HKEY created = nullptr;
  LSTATUS status =
      RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr);
  if (status != ERROR_SUCCESS) throw HRESULT_FROM_WIN32(status);
  const UniqueRegistryKey owned(created);
  const auto set = [&](const char* valueName, const std::string& text) {
    status = RegSetValueExA(created, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
    if (status != ERROR_SUCCESS) throw HRESULT_FROM_WIN32(status);
  };
  set(nullptr, value);
  if (name != nullptr) set(name, namedValue);
}

void RegisterClass(const ControlLibrary& library, const ControlClass& controlClass, const std::string& path) {
  const std::string key = "CLSID\\" + TextOf(controlClass.classId);
  WriteKey(key, controlClass.name);
  WriteKey(key + "\\InprocServer32", path, "ThreadingModel", "Apartment");
  WriteKey(key + "\\ProgID", controlClass.progId);
  WriteKey(key + "\\VersionIndependentProgID", controlClass.progId);
  WriteKey(key + "\\Control", "");
  WriteKey(key + "\\ToolboxBitmap32", path + ", " + std::to_string(controlClass.toolboxBitmap));
  WriteKey(key + "\\MiscStatus", "0");
  WriteKey(key + "\\MiscStatus\\1", std::to_string(controlClass.miscStatus));
  WriteKey(key + "\\TypeLib", TextOf(library.typeLibraryId));
  WriteKey(key + "\\Version", std::to_string(library.majorVersion) + "." + std::to_string(library.minorVersion));
  WriteKey(controlClass.progId, controlClass.name);
  WriteKey(std::string(controlClass.progId) + "\\CLSID", TextOf(controlClass.classId));
}

// Removes a key and everything under it; one that is already gone is fine.
void RemoveKey(const std::string& key) { RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str()); }

}  // namespace

HRESULT RegisterControlLibrary(const ControlLibrary& library) noexcept {
  try {
    ComPtr<ITypeLib> typeLibrary;
    const HRESULT loaded = LoadTypeLibEx(ThisModuleFileName().c_str(), REGKIND_REGISTER, &typeLibrary);
    if (FAILED(loaded)) return loaded;
    const std::string path = AnsiFromWide(ThisModuleFileName());
    for (const ControlClass& controlClass : library.classes) RegisterClass(library, controlClass, path);
    return S_OK;
  } catch (const HRESULT failure) {
    UnregisterControlLibrary(library);
    return failure;
  } catch (...) {
    UnregisterControlLibrary(library);
    return E_OUTOFMEMORY;
  }
}

HRESULT UnregisterControlLibrary(const ControlLibrary& library) noexcept {
  try {
    for (const ControlClass& controlClass : library.classes) {
      RemoveKey("CLSID\\" + TextOf(controlClass.classId));
      RemoveKey(controlClass.progId);
    }
    ComPtr<ITypeLib> typeLibrary;
    if (SUCCEEDED(LoadTypeLibEx(ThisModuleFileName().c_str(), REGKIND_NONE, &typeLibrary))) {
      TLIBATTR* attributes = nullptr;
      if (SUCCEEDED(typeLibrary->GetLibAttr(&attributes))) {
        UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum, attributes->lcid,
                          attributes->syskind);
        typeLibrary->ReleaseTLibAttr(attributes);
      }
    }
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace host
