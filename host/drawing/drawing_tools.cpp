#include "host/drawing/drawing_tools.h"

#include <olectl.h>

#include "host/runtime/error.h"

namespace host {
namespace {

void RequireInRange(Integer value, Integer lowest, Integer highest) {
  if (value < lowest || value > highest) throw RuntimeError(error_number::InvalidPropertyValue);
}

}  // namespace

void DrawingTools::SetFillStyle(Integer style) {
  RequireInRange(style, vbFSSolid, vbDiagonalCross);
  fillStyle_ = style;
}

void DrawingTools::SetFillColor(OleColor color) { fillColor_ = CheckedColor(color); }

void DrawingTools::SetDrawStyle(Integer style) {
  RequireInRange(style, vbSolid, vbInsideSolid);
  drawStyle_ = style;
}

void DrawingTools::SetDrawMode(Integer mode) {
  RequireInRange(mode, vbBlackness, vbWhiteness);
  drawMode_ = mode;
}

void DrawingTools::SetDrawWidth(Integer width) {
  RequireInRange(width, 1, 32767);
  drawWidth_ = width;
}

UniquePen DrawingTools::MakePen(OleColor color) const {
  // DrawStyle 0 to 6 in order.
  static constexpr int kPenStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  int style = kPenStyles[drawStyle_];
  if (drawWidth_ > 1 && drawStyle_ >= 1 && drawStyle_ <= 4) style = PS_SOLID;
  return UniquePen(CreatePen(style, drawWidth_, TranslateColor(color)));
}

UniqueBrush DrawingTools::MakeFillBrush() const {
  if (fillStyle_ == vbFSTransparent) return UniqueBrush();
  if (fillStyle_ == vbFSSolid) return UniqueBrush(CreateSolidBrush(TranslateColor(fillColor_)));
  // FillStyle 2 to 7: horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross.
  static constexpr int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_BDIAGONAL, HS_FDIAGONAL, HS_CROSS, HS_DIAGCROSS};
  return UniqueBrush(CreateHatchBrush(kHatches[fillStyle_ - 2], TranslateColor(fillColor_)));
}

OleColor CheckedColor(OleColor color) {
  COLORREF resolved = 0;
  if (FAILED(OleTranslateColor(color, nullptr, &resolved))) throw RuntimeError(error_number::InvalidPropertyValue);
  return color;
}

}  // namespace host
