#include "regions/tests/shaped_windows.h"

#include <string_view>

namespace regions::testing {
namespace {

constexpr DISPID kWidthInTwips = 1;
constexpr DISPID kHeightInTwips = 2;
constexpr DISPID kScaleWidth = 3;
constexpr DISPID kScaleHeight = 4;

constexpr struct {
  std::wstring_view name;
  DISPID id;
} kProperties[] = {
    {L"WidthInTwips", kWidthInTwips},
    {L"HeightInTwips", kHeightInTwips},
    {L"ScaleWidth", kScaleWidth},
    {L"ScaleHeight", kScaleHeight},
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
  if (count != 1) return DISP_E_UNKNOWNNAME;
  for (const auto& property : kProperties) {
    if (property.name == names[0]) {
      reads.emplace_back(property.name.begin(), property.name.end());
      *ids = property.id;
      return S_OK;
    }
  }
  *ids = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT ScaleSource::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  if ((flags & DISPATCH_PROPERTYGET) == 0 || result == nullptr) return DISP_E_MEMBERNOTFOUND;
  VariantInit(result);
  result->vt = VT_R8;
  switch (id) {
    case kWidthInTwips: result->dblVal = geometry_.widthInTwips; return S_OK;
    case kHeightInTwips: result->dblVal = geometry_.heightInTwips; return S_OK;
    case kScaleWidth: result->dblVal = geometry_.scaleWidth; return S_OK;
    case kScaleHeight: result->dblVal = geometry_.scaleHeight; return S_OK;
    default: result->vt = VT_EMPTY; return DISP_E_MEMBERNOTFOUND;
  }
}

host::UniqueWindow PopupWindow(int width, int height) {
  host::UniqueWindow window(
      CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 40, 40, width, height, nullptr, nullptr, nullptr, nullptr));
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
                              clientPixels.right - clientPixels.left, clientPixels.bottom - clientPixels.top,
                              container, nullptr, nullptr, nullptr)) {}

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
