#include "host/services/twips_placement.h"

#include "host/services/screen.h"

namespace host {

TwipsPlacement PlacementInTwips(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  // A top-level window's parent is the desktop, whose client area is the screen.
  MapWindowPoints(nullptr, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&bounds), 2);
  const Long x = Screen().TwipsPerPixelX();
  const Long y = Screen().TwipsPerPixelY();
  return {bounds.left * x, bounds.top * y, (bounds.right - bounds.left) * x, (bounds.bottom - bounds.top) * y};
}

void MoveInTwips(HWND window, Long left, Long top, Long width, Long height) {
  MoveWindow(window, PixelsFromTwipsX(left), PixelsFromTwipsY(top), PixelsFromTwipsX(width), PixelsFromTwipsY(height),
             TRUE);
}

}  // namespace host
