#include "host/testing/system_control_host.h"

namespace host::testing {
namespace {

template <typename Function>
Function AtlEntry(const char* name) {
  const HMODULE atl = LoadLibraryA("atl.dll");
  return atl != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(atl, name))) : nullptr;
}

}  // namespace

SystemControlHost::SystemControlHost(const wchar_t* progId, int width, int height) {
  const auto init = AtlEntry<BOOL(WINAPI*)()>("AtlAxWinInit");
  const auto getControl = AtlEntry<HRESULT(WINAPI*)(HWND, IUnknown**)>("AtlAxGetControl");
  if (init == nullptr || getControl == nullptr || !init()) return;
  frame_.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0,
                               width + 40, height + 40, nullptr, nullptr, nullptr, nullptr));
  box_ = CreateWindowExW(0, L"AtlAxWin", progId, WS_CHILD | WS_VISIBLE, 10, 10, width, height, frame_.get(), nullptr,
                         nullptr, nullptr);
  if (box_ != nullptr) getControl(box_, &control_);
}

SystemControlHost::~SystemControlHost() {
  control_.Reset();
  frame_.reset();
}

HWND SystemControlHost::ControlWindow() const {
  ComPtr<IOleWindow> window;
  HWND handle = nullptr;
  if (control_ && SUCCEEDED(control_.As(&window))) window->GetWindow(&handle);
  return handle;
}

}  // namespace host::testing
