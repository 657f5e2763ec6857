#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include "host/com/com_ptr.h"
#include "host/usercontrol/user_control.h"

namespace host {

// The user control itself as its own code sees it, late bound: the drawing
// members a public interface need not list (Print, Cls, CurrentX, CurrentY),
// every other name answered by `publicObject`, which keeps the control alive.
ComPtr<IDispatch> UserControlObject(UserControl& control, ComPtr<IDispatch> publicObject);

// The user control's Controls collection, late bound: Count, and Item(index),
// the constituent control's window as an object with an hWnd. `owner` keeps
// the control alive.
ComPtr<IDispatch> ConstituentControlsObject(UserControl& control, ComPtr<IDispatch> owner);

}  // namespace host
