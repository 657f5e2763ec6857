#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include "host/runtime/types.h"
#include "host/win32/bound_handles.h"
#include "regions/region_enums.h"

namespace regions {

using host::Integer;
using host::Long;
using host::Single;

// The simple shapes CreateShapeRegion builds. The values match the first
// three members of RegionHow and RegionTransparentHow, so a RegionMode
// passes straight through; a polygon is built by its caller.
namespace shape {
inline constexpr Integer kEllipse = 0;
inline constexpr Integer kRectangle = 1;
inline constexpr Integer kRoundedRectangle = 2;
}  // namespace shape

// A bounding box, upper-left and lower-right corner, and the size of the
// ellipse that rounds the corners of a rounded rectangle.
struct ShapeBox {
  Single x1 = 0;
  Single y1 = 0;
  Single x2 = 0;
  Single y2 = 0;
  Single roundX = 0;
  Single roundY = 0;
};

// One shape as a region in pixels, owned by the caller; empty for a shape
// outside 0..2 and when GDI fails. With convertUnits the box is in twips, or
// in the scale units of scaleSource when one is given (read late-bound:
// WidthInTwips, ScaleWidth, HeightInTwips, ScaleHeight); the corner sizes
// are twips either way. Without it every value is pixels already. Values
// round halves to even; one that does not fit a Long raises error 6, a
// division by zero error 11, and a failing read of scaleSource its own error.
host::BoundRgn CreateShapeRegion(Integer shape, ShapeBox box, bool convertUnits, IDispatch* scaleSource);

// Arithmetic as the runtime does it: x / 0 raises error 11 and 0 / 0 error
// 6; a value beyond a 32-bit float's range raises error 6 when stored in one.
double Quotient(double dividend, double divisor);
Single ToSingle(double value);

// Pixels per unit of a scale that is scaleSize units across `twips`.
double PixelsPerScaleUnit(double twips, Long twipsPerPixel, double scaleSize);

// The Win32 combine mode (RGN_...) of a RegionWhatTransparent value narrowed
// to 16 bits, and of a RegionWhat value; RGN_OR for any other value.
Long TransparentCombineMode(Integer value);
Long CombineModeOf(RegionWhat value);

}  // namespace regions
