#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <initializer_list>

#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"

namespace regions {

// What a region control needs of the object that serves it to its host.
class ControlServer {
 public:
  // The control as its host sees it: the container's extender, or the served
  // object itself where the container offers none.
  virtual host::ComPtr<IDispatch> ExtenderObject() = 0;
  // Raises member `id` of the control's event interface.
  virtual void RaiseEvent(DISPID id, std::initializer_list<host::Argument> arguments) = 0;

 protected:
  ~ControlServer() = default;
};

}  // namespace regions
