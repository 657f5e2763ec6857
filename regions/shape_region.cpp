#include "regions/shape_region.h"

#include <cfloat>
#include <cmath>

#include "host/com/dispatch_call.h"
#include "host/runtime/error.h"
#include "host/runtime/numeric.h"
#include "host/services/screen.h"
#include "regions/win32_functions.h"

namespace regions {
namespace {

using host::RuntimeError;
namespace error_number = host::error_number;

double Read(IDispatch& source, std::string_view property) { return host::GetProperty(source, property).ToDouble(); }

// Pixels per scale unit of scaleSource horizontally then vertically; the
// properties are read in that order, as a source with side effects sees.
void ScaleToPixels(ShapeBox& box, IDispatch& scaleSource, Long twipsPerPixelX, Long twipsPerPixelY) {
  const double widthInTwips = Read(scaleSource, "WidthInTwips");
  const double scaleWidth = Read(scaleSource, "ScaleWidth");
  const Single fx = ToSingle(PixelsPerScaleUnit(widthInTwips, twipsPerPixelX, scaleWidth));
  const double heightInTwips = Read(scaleSource, "HeightInTwips");
  const double scaleHeight = Read(scaleSource, "ScaleHeight");
  const Single fy = ToSingle(PixelsPerScaleUnit(heightInTwips, twipsPerPixelY, scaleHeight));
  box.x1 = ToSingle(double{fx} * box.x1);
  box.y1 = ToSingle(double{fy} * box.y1);
  box.x2 = ToSingle(double{fx} * box.x2);
  box.y2 = ToSingle(double{fy} * box.y2);
}

void ConvertToPixels(ShapeBox& box, IDispatch* scaleSource) {
  const Long tx = host::Screen().TwipsPerPixelX();
  const Long ty = host::Screen().TwipsPerPixelY();
  if (scaleSource == nullptr) {
    box.x1 = ToSingle(Quotient(box.x1, tx));
    box.x2 = ToSingle(Quotient(box.x2, tx));
    box.y1 = ToSingle(Quotient(box.y1, ty));
    box.y2 = ToSingle(Quotient(box.y2, ty));
  } else {
    ScaleToPixels(box, *scaleSource, tx, ty);
  }
  box.roundX = ToSingle(Quotient(box.roundX, tx));
  box.roundY = ToSingle(Quotient(box.roundY, ty));
}

}  // namespace

double Quotient(double dividend, double divisor) {
  if (divisor == 0) {
    throw RuntimeError(dividend == 0 ? error_number::Overflow : error_number::DivisionByZero);
  }
  const double quotient = dividend / divisor;
  if (!std::isfinite(quotient)) throw RuntimeError(error_number::Overflow);
  return quotient;
}

Single ToSingle(double value) {
  if (std::isnan(value) || std::fabs(value) > FLT_MAX) throw RuntimeError(error_number::Overflow);
  return static_cast<Single>(value);
}

double PixelsPerScaleUnit(double twips, Long twipsPerPixel, double scaleSize) {
  return Quotient(Quotient(twips, twipsPerPixel), scaleSize);
}

host::BoundRgn CreateShapeRegion(Integer shape, ShapeBox box, bool convertUnits, IDispatch* scaleSource) {
  using host::CLng;
  if (convertUnits) ConvertToPixels(box, scaleSource);
  switch (shape) {
    case shape::kEllipse:
      return host::BoundRgn(win32::createEllipticRgn(CLng(box.x1), CLng(box.y1), CLng(box.x2), CLng(box.y2)));
    case shape::kRectangle:
      return host::BoundRgn(win32::createRectRgn(CLng(box.x1), CLng(box.y1), CLng(box.x2), CLng(box.y2)));
    case shape::kRoundedRectangle:
      return host::BoundRgn(win32::createRoundRectRgn(CLng(box.x1), CLng(box.y1), CLng(box.x2), CLng(box.y2),
                                                      CLng(box.roundX), CLng(box.roundY)));
    default:
      return {};
  }
}

Long TransparentCombineMode(Integer value) {
  switch (value) {
    case static_cast<Integer>(RegionWhatTransparent::rwAND):
      return RGN_AND;
    case static_cast<Integer>(RegionWhatTransparent::rwXOR):
      return RGN_XOR;
    case static_cast<Integer>(RegionWhatTransparent::rwDIFF):
      return RGN_DIFF;
    case static_cast<Integer>(RegionWhatTransparent::rwCOPY):
      return RGN_COPY;
    default:
      return RGN_OR;
  }
}

Long CombineModeOf(RegionWhat value) {
  switch (value) {
    case RegionWhat::rAND:
      return RGN_AND;
    case RegionWhat::rXOR:
      return RGN_XOR;
    case RegionWhat::rDIFF:
      return RGN_DIFF;
    case RegionWhat::rCOPY:
      return RGN_COPY;
    default:
      return RGN_OR;
  }
}

}  // namespace regions
