#include "host/services/screen.h"

#include <windows.h>

#include "host/runtime/numeric.h"
#include "host/win32/dc_scope.h"

namespace host {
namespace {

int DotsPerInch(int axis) {
  const WindowDC screen(nullptr);
  return GetDeviceCaps(screen.dc(), axis);
}

}  // namespace

Long ScreenObject::TwipsPerPixelX() const { return 1440 / DotsPerInch(LOGPIXELSX); }
Long ScreenObject::TwipsPerPixelY() const { return 1440 / DotsPerInch(LOGPIXELSY); }
Long ScreenObject::Width() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
Long ScreenObject::Height() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

const ScreenObject& Screen() {
  static const ScreenObject screen;
  return screen;
}

Long PixelsFromTwipsX(double twips) { return CLng(twips / Screen().TwipsPerPixelX()); }
Long PixelsFromTwipsY(double twips) { return CLng(twips / Screen().TwipsPerPixelY()); }

}  // namespace host
