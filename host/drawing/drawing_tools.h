#pragma once

#include <windows.h>

#include "host/runtime/color.h"
#include "host/runtime/types.h"
#include "host/win32/unique_handle.h"

namespace host {

inline constexpr Integer vbFSSolid = 0;
inline constexpr Integer vbFSTransparent = 1;
inline constexpr Integer vbDiagonalCross = 7;
inline constexpr Integer vbSolid = 0;
inline constexpr Integer vbInvisible = 5;
inline constexpr Integer vbInsideSolid = 6;
inline constexpr Integer vbBlackness = 1;
inline constexpr Integer vbCopyPen = 13;
inline constexpr Integer vbWhiteness = 16;

// How the graphics methods draw: outline pen (DrawStyle, DrawWidth), the
// raster operation that combines it with what is there (DrawMode, numbered
// as ROP2 codes), and the fill of closed figures (FillStyle, FillColor).
// Each setter raises error 380 for a value out of its range.
class DrawingTools {
 public:
  Integer FillStyle() const { return fillStyle_; }
  void SetFillStyle(Integer style);
  OleColor FillColor() const { return fillColor_; }
  void SetFillColor(OleColor color);
  Integer DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(Integer style);
  Integer DrawMode() const { return drawMode_; }
  void SetDrawMode(Integer mode);
  Integer DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(Integer width);

  // Broken styles need a one-pixel pen; a wider one draws solid, as GDI can.
  UniquePen MakePen(OleColor color) const;
  // A transparent fill is the stock hollow brush, which needs no deleting:
  // the result is then empty and HollowOr gives the brush to select.
  UniqueBrush MakeFillBrush() const;

 private:
  Integer fillStyle_ = vbFSTransparent;
  OleColor fillColor_ = vbBlack;
  Integer drawStyle_ = vbSolid;
  Integer drawMode_ = vbCopyPen;
  Integer drawWidth_ = 1;
};

// The brush to select for a fill: the one made, else the hollow stock brush.
inline HBRUSH HollowOr(const UniqueBrush& brush) {
  return brush ? brush.get() : static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

// Error 380 unless the colour is RGB or a known system colour.
OleColor CheckedColor(OleColor color);

}  // namespace host
