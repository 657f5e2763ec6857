#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string>

#include "host/com/com_ptr.h"

namespace host {

// A window as an object with an hWnd and a Name, late bound: what a hosted
// control's extender gives for its Container and its Parent, and a user
// control's Controls for each constituent control.
ComPtr<IDispatch> WindowObject(HWND window, std::string name);

}  // namespace host
