#pragma once

#include <windows.h>

#include <string>

namespace host {

// What contains a control: a form or a frame.
class ContainerObject {
 public:
  virtual ~ContainerObject() = default;
  virtual HWND hWnd() = 0;
  virtual std::string Name() const = 0;
};

}  // namespace host
