#pragma once

#include <windows.h>

#include "host/runtime/types.h"

namespace host {

// Where a window lies in twips: its outer rectangle in its parent's client
// coordinates (the screen's for a top-level window). The one conversion of
// window geometry for forms, controls and user controls.
struct TwipsPlacement {
  Long left = 0;
  Long top = 0;
  Long width = 0;
  Long height = 0;
};
TwipsPlacement PlacementInTwips(HWND window);

// Moves and sizes the window to a placement in twips, and repaints it.
void MoveInTwips(HWND window, Long left, Long top, Long width, Long height);

}  // namespace host
