#pragma once

#include "host/forms/form.h"
#include "host/runtime/event.h"
#include "host/runtime/types.h"
#include "host/usercontrol/user_control.h"

namespace latchwire {

// Runs the thread's message loop itself, once shown at run time, and shows
// every message to its host before dispatching it: a handler swallows a
// message by setting wMsg to 0 (WM_NULL) or neutralises it by setting wParam
// to 0. Every later event handler of the program runs inside this loop.
class LatchwireMe : public host::UserControl {
 public:
  // (mhWnd, wMsg, wParam, lParam, wTime)
  host::Event<host::LongPtr, host::Long&, host::LongPtr&, host::LongPtr&, host::Long> WindowMessages;

 protected:
  void UserControl_Show() override;

 private:
  void RunMessageLoop(HWND formWindow);

  // Set once the loop starts and never cleared, so it starts only once.
  host::Form* ParentForm = nullptr;
};

}  // namespace latchwire
