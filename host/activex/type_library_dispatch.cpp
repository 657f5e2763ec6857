#include "host/activex/type_library_dispatch.h"

#include "host/win32/this_module.h"

namespace host {

ComPtr<ITypeInfo> ModuleTypeInfo(REFGUID interfaceId) {
  ComPtr<ITypeLib> library;
  if (FAILED(LoadTypeLibEx(ThisModuleFileName().c_str(), REGKIND_NONE, &library))) return nullptr;
  ComPtr<ITypeInfo> info;
  if (FAILED(library->GetTypeInfoOfGuid(interfaceId, &info))) return nullptr;
  return info;
}

}  // namespace host
