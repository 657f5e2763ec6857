#include "host/description/form_resource.h"

#include <windows.h>

#include <string>

#include "host/runtime/error.h"
#include "host/services/app.h"

namespace host {

ObjectDescription LoadFormDescription(std::string_view formName) {
  const std::string name(formName);
  const HRSRC resource = FindResourceA(App().hInstance(), name.c_str(), MAKEINTRESOURCEA(10));
  const HGLOBAL loaded = resource != nullptr ? LoadResource(App().hInstance(), resource) : nullptr;
  if (loaded == nullptr) {
    throw RuntimeError(error_number::FileNotFound, name + ": the form description is missing from the program");
  }
  const std::string_view text(static_cast<const char*>(LockResource(loaded)),
                              SizeofResource(App().hInstance(), resource));
  return ParseFormText(text, name);
}

}  // namespace host
