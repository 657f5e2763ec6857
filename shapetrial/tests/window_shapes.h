#pragma once

#include <windows.h>

#include <vector>

#include "host/win32/unique_handle.h"

namespace shapetrial::testing {

// Pixels of a length in twips at 15 twips per pixel, rounded as the controls
// round: to the nearest, halves to even.
int Pixels(double twips);

enum class Shape { Ellipse, Block, Rounded };

// A shape spanning a control of this size in twips, its corner `at` in
// pixels; `cornerTwips` rounds the corners of Shape::Rounded.
host::UniqueRgn ShapeOf(Shape shape, int widthTwips, int heightTwips, int cornerTwips = 0, POINT at = {0, 0});
// A polygon with vertices in scale units of (unitX, unitY) pixels each.
host::UniqueRgn PolygonOf(const std::vector<POINTFLOAT>& vertices, double unitX, double unitY);
host::UniqueRgn Combined(host::UniqueRgn base, const host::UniqueRgn& other, int mode);

// The windows of the hosted controls inside `top` whose size matches this size in twips.
std::vector<HWND> ControlWindows(HWND top, int widthTwips, int heightTwips);
// The part of its own rectangle a window shows, in window coordinates.
host::UniqueRgn ShownArea(HWND window);
// Where `inner`'s window rectangle lies in `outer`'s.
POINT OffsetIn(HWND inner, HWND outer);
bool ShowsExactly(HWND window, const host::UniqueRgn& expected);

}  // namespace shapetrial::testing
