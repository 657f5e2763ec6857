#include "host/win32/window_class.h"

#include <cstdint>
#include <cstdio>

#include "host/runtime/error.h"
#include "host/win32/this_module.h"

namespace host {

std::string RegisterModuleClass(std::string_view base, WNDCLASSEXA windowClass) {
  char address[2 * sizeof(std::uintptr_t) + 2];
  std::snprintf(address, sizeof address, ".%llX",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(ThisModule())));
  std::string name = std::string(base) + address;
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = ThisModule();
  windowClass.lpszClassName = name.c_str();
  if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw RuntimeError(error_number::OutOfMemory, "the window class " + name + " could not be registered");
  }
  return name;
}

}  // namespace host
