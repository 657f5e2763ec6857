#include "host/services/app.h"

#include "host/win32/this_module.h"

namespace host {

const std::string& AppObject::Title() {
  if (title_.empty()) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(hInstance(), path, MAX_PATH);
    std::string_view name(path);
    name = name.substr(name.find_last_of("\\/") + 1);
    title_ = name.substr(0, name.rfind('.'));
  }
  return title_;
}

HINSTANCE AppObject::hInstance() const { return ThisModule(); }

AppObject& App() {
  static AppObject app;
  return app;
}

}  // namespace host
