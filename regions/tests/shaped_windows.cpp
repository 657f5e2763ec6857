#include "regions/tests/shaped_windows.h"

#include <iterator>
#include <string_view>

namespace regions::testing {
namespace {

// The properties by name; each one's DISPID is its position plus one.
constexpr struct {
  std::wstring_view name;
  double ScaleGeometry::*value;
} kProperties[] = {
    {L"WidthInTwips", &ScaleGeometry::widthInTwips},
    {L"HeightInTwips", &ScaleGeometry::heightInTwips},
    {L"ScaleWidth", &ScaleGeometry::scaleWidth},
    {L"ScaleHeight", &ScaleGeometry::scaleHeight},
};

constexpr int kTwipsPerPixel = 15;

}  // namespace

host::UniqueRgn WindowRegion(HWND window) {
  host::UniqueRgn region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.get()) == ERROR) region.reset();
  return region;
}

HRESULT ScaleSource::QueryInterface(REFIID iid, void** object) {
  if (iid != IID_IUnknown && iid != IID_IDispatch) return *object = nullptr, E_NOINTERFACE;
  *object = static_cast<IDispatch*>(this);
  return S_OK;
}

HRESULT ScaleSource::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT ScaleSource::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  *ids = DISPID_UNKNOWN;
  for (DISPID id = 1; count == 1 && id <= DISPID{std::size(kProperties)}; ++id) {
    const std::wstring_view name = kProperties[id - 1].name;
    if (name != names[0]) continue;
    reads.emplace_back(name.begin(), name.end());
    *ids = id;
    return S_OK;
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT ScaleSource::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  if ((flags & DISPATCH_PROPERTYGET) == 0 || result == nullptr || id < 1 || id > DISPID{std::size(kProperties)}) {
    return DISP_E_MEMBERNOTFOUND;
  }
  VariantInit(result);
  result->vt = VT_R8;
  result->dblVal = geometry_.*kProperties[id - 1].value;
  return S_OK;
}

host::UniqueWindow PopupWindow(int width, int height) {
  host::UniqueWindow window(CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 40, 40, width, height, nullptr,
                                            nullptr, nullptr, nullptr));
  ShowWindow(window.get(), SW_SHOWNOACTIVATE);
  return window;
}

ContainerControl::ContainerControl(host::Long widthTwips, host::Long heightTwips, host::Single scaleWidth,
                                   host::Single scaleHeight)
    : geometry_{static_cast<double>(widthTwips), static_cast<double>(heightTwips), scaleWidth, scaleHeight},
      window_(PopupWindow(widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel)) {}

TransparentControlWindow::TransparentControlWindow(HWND container, RECT clientPixels, bool userMode)
    : container_(container),
      userMode_(userMode),
      window_(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, clientPixels.left, clientPixels.top,
                              clientPixels.right - clientPixels.left, clientPixels.bottom - clientPixels.top, container,
                              nullptr, nullptr, nullptr)) {}

host::Long TransparentControlWindow::Width() const {
  RECT bounds{};
  GetWindowRect(window_.get(), &bounds);
  return (bounds.right - bounds.left) * kTwipsPerPixel;
}

host::Long TransparentControlWindow::Height() const {
  RECT bounds{};
  GetWindowRect(window_.get(), &bounds);
  return (bounds.bottom - bounds.top) * kTwipsPerPixel;
}

}  // namespace regions::testing
