#pragma once

#include <windows.h>

#include <new>
#include <span>

namespace host {

// One class a control library serves.
struct ControlClass {
  CLSID classId;
  // Also the version-independent ProgID.
  const char* progId;
  // The class's name: the default value of its registry keys.
  const char* name;
  // Resource number of its 16 x 15 toolbox bitmap in the library's file.
  WORD toolboxBitmap;
  // OLEMISC_ flags for DVASPECT_CONTENT.
  DWORD miscStatus;
  // Makes one object and hands out `iid` of it.
  HRESULT (*create)(REFIID iid, void** object);
};

// The `create` of a class whose objects start with one reference, their
// maker's (see ServedObject).
template <typename Object>
HRESULT CreateServedObject(REFIID iid, void** object) {
  auto* made = new (std::nothrow) Object;
  if (made == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = made->QueryInterface(iid, object);
  made->Release();
  return result;
}

// What a control library tells the runtime about itself: its classes and its
// type library, resource TYPELIB 1 of the library's file.
struct ControlLibrary {
  GUID typeLibraryId;
  WORD majorVersion;
  WORD minorVersion;
  std::span<const ControlClass> classes;
};

// The four routines behind a library's exports, each returning what the
// export returns.
HRESULT ServeClassObject(const ControlLibrary& library, REFCLSID classId, REFIID iid, void** object) noexcept;
HRESULT ServeCanUnloadNow() noexcept;
HRESULT RegisterControlLibrary(const ControlLibrary& library) noexcept;
HRESULT UnregisterControlLibrary(const ControlLibrary& library) noexcept;

}  // namespace host
