#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include "host/com/com_ptr.h"
#include "host/win32/unique_handle.h"

namespace host::testing {

// A container we did not write: the system's control host window (atl.dll's
// AtlAxWin), which offers no ambient properties and no extender, holding the
// control of `progId` in a popup frame on screen. Needs OLE started.
class SystemControlHost {
 public:
  SystemControlHost(const wchar_t* progId, int width, int height);
  SystemControlHost(const SystemControlHost&) = delete;
  SystemControlHost& operator=(const SystemControlHost&) = delete;
  ~SystemControlHost();

  // Null where the host window could not be made or holds no control.
  IUnknown* Control() const { return control_.Get(); }
  HWND HostWindow() const { return box_; }
  // The control's own window, where it has one.
  HWND ControlWindow() const;

 private:
  UniqueWindow frame_;
  HWND box_ = nullptr;
  ComPtr<IUnknown> control_;
};

}  // namespace host::testing
