#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace host {

// The program object: its title (the base name of the program's file, or of
// the library's when the runtime serves a control library, unless set) and
// its instance handle (the same module's).
class AppObject {
 public:
  const std::string& Title();
  void SetTitle(std::string_view title) { title_ = title; }
  HINSTANCE hInstance() const;

 private:
  std::string title_;
};

AppObject& App();

}  // namespace host
