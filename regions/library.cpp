// Regions.ocx: the two region controls, served, registered and described
// through the type library by the runtime.
#include <windows.h>

#include <array>

#include "host/activex/control_library.h"
#include "regions/library_classes.h"
#include "regions/region_container_object.h"
#include "regions/region_transparent_object.h"

namespace {

constexpr std::array kClasses{
    host::ControlClass{regions::kRegionContainerClassId, "Shapecraft.RegionContainer", "RegionContainer", 30000,
                       regions::kRegionsMiscStatus, &host::CreateServedObject<regions::RegionContainerObject>},
    host::ControlClass{regions::kRegionTransparentClassId, "Shapecraft.RegionTransparent", "RegionTransparent", 30001,
                       regions::kRegionsMiscStatus, &host::CreateServedObject<regions::RegionTransparentObject>},
};
const host::ControlLibrary kLibrary{regions::kTypeLibraryId, regions::kTypeLibraryMajor, regions::kTypeLibraryMinor,
                                    kClasses};

}  // namespace

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
  return host::ServeClassObject(kLibrary, classId, iid, object);
}
STDAPI DllCanUnloadNow() { return host::ServeCanUnloadNow(); }
STDAPI DllRegisterServer() { return host::RegisterControlLibrary(kLibrary); }
STDAPI DllUnregisterServer() { return host::UnregisterControlLibrary(kLibrary); }
