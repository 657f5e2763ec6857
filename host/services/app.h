#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace host {

// The program object: its title (the executable's base name unless set) and
// its instance handle.
class AppObject {
 public:
  const std::string& Title();
  void SetTitle(std::string_view title) { title_ = title; }
  HINSTANCE hInstance() const { return GetModuleHandleA(nullptr); }

 private:
  std::string title_;
};

AppObject& App();

}  // namespace host
