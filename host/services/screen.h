#pragma once

#include "host/runtime/types.h"

namespace host {

// The screen in twips: 1440 per inch, so 15 twips per pixel at 96 dots per inch.
class ScreenObject {
 public:
  Long TwipsPerPixelX() const;
  Long TwipsPerPixelY() const;
  Long Width() const;
  Long Height() const;
};

const ScreenObject& Screen();

// Twips <-> pixels on the screen.
Long PixelsFromTwipsX(double twips);
Long PixelsFromTwipsY(double twips);

}  // namespace host
