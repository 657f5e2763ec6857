#include "shapetrial/regions_library.h"

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include "host/com/com_ptr.h"
#include "regions/region_ids.h"

namespace shapetrial {
namespace {

// The locale the forms' library reference names.
constexpr LCID kLibraryLocale = 0x0409;

bool Creatable(const CLSID& classId) {
  host::ComPtr<IClassFactory> factory;
  return SUCCEEDED(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)));
}

}  // namespace

bool RegionControlsAvailable() {
  host::ComPtr<ITypeLib> library;
  return SUCCEEDED(LoadRegTypeLib(regions::kTypeLibraryId, regions::kTypeLibraryMajor, regions::kTypeLibraryMinor,
                                  kLibraryLocale, &library)) &&
         Creatable(regions::kRegionContainerClassId) && Creatable(regions::kRegionTransparentClassId);
}

// The manifest finds the library beside the program; where it names a file
// that is not there, Wine looks no further, not even in the registry.
std::string MissingLibraryMessage() {
  return "shapetrial cannot find the control library Regions.ocx.\n\n"
         "Start shapetrial from the folder that holds Regions.ocx, or register the library there with:\n\n"
         "    regsvr32 Regions.ocx\n\n"
         "then start shapetrial again.";
}

}  // namespace shapetrial
