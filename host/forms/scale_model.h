#pragma once

#include <windows.h>

#include "host/runtime/types.h"

namespace host {

inline constexpr Integer vbUser = 0;
inline constexpr Integer vbTwips = 1;
inline constexpr Integer vbPoints = 2;
inline constexpr Integer vbPixels = 3;
inline constexpr Integer vbCharacters = 4;
inline constexpr Integer vbInches = 5;
inline constexpr Integer vbMillimeters = 6;
inline constexpr Integer vbCentimeters = 7;
// Units ScaleX and ScaleY convert from and to, though no surface takes them as its mode.
inline constexpr Integer vbHimetric = 8;
// A user control's container's units, for positions (from its origin) and sizes.
inline constexpr Integer vbContainerPosition = 9;
inline constexpr Integer vbContainerSize = 10;

// The coordinate system of a drawing surface (a form, a user control): a
// fixed unit with its origin at the client area's corner, or user units with
// any origin and extent. A fixed mode measures the client area afresh each
// time, so it follows resizing; user units stay as set until changed.
class ScaleModel {
 public:
  Integer Mode() const { return mode_; }
  // Raises error 380 for a mode outside 0 to 7. Choosing user mode keeps the
  // current values; a fixed mode moves the origin back to the corner.
  void SetMode(Integer mode, SIZE clientPixels);

  Single Left() const { return left_; }
  Single Top() const { return top_; }
  Single Width(SIZE clientPixels) const;
  Single Height(SIZE clientPixels) const;
  // Each switches to user mode. A zero extent raises error 380.
  void SetLeft(Single left, SIZE clientPixels);
  void SetTop(Single top, SIZE clientPixels);
  void SetWidth(Single width, SIZE clientPixels);
  void SetHeight(Single height, SIZE clientPixels);
  // The Scale method: (x1, y1) is the top-left corner, (x2, y2) the bottom-right.
  void Scale(Single x1, Single y1, Single x2, Single y2);

  // A length in pixels measured in this scale.
  double FromPixelsX(double pixels, SIZE clientPixels) const;
  double FromPixelsY(double pixels, SIZE clientPixels) const;
  // A length in this scale measured in pixels.
  double ToPixelsX(double units, SIZE clientPixels) const;
  double ToPixelsY(double units, SIZE clientPixels) const;
  // ScaleX and ScaleY: a length from one unit to another, each a fixed mode,
  // vbHimetric, or vbUser for this scale. Error 5 for any other unit.
  double ConvertX(double length, Integer from, Integer to, SIZE clientPixels) const;
  double ConvertY(double length, Integer from, Integer to, SIZE clientPixels) const;

 private:
  void EnterUserMode(SIZE clientPixels);
  static Single CheckedExtent(Single extent);

  Integer mode_ = vbTwips;
  Single left_ = 0;
  Single top_ = 0;
  Single width_ = 0;
  Single height_ = 0;
};

}  // namespace host
