#pragma once

#include <windows.h>
// windows.h first: olectl.h relies on its types.
#include <olectl.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/com/com_ptr.h"
#include "host/drawing/drawing_tools.h"
#include "host/drawing/persistent_image.h"
#include "host/drawing/surface_font.h"
#include "host/forms/scale_model.h"
#include "host/runtime/color.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/win32/unique_handle.h"

namespace host {

class Menu;

inline constexpr Integer vbTransparent = 0;
inline constexpr Integer vbOpaque = 1;

// The drawing surface of a window: its colours, font, scale, pictures and
// pointer, and the graphics methods, every coordinate in scale units. With
// AutoRedraw the graphics land in a persistent bitmap the window shows on
// every paint; without it they go straight to the window and are gone when
// it repaints. The owner window passes its erase, paint, size and cursor
// messages here. Property setters raise error 380 for values out of range.
class DrawingSurface {
 public:
  DrawingSurface() = default;
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;
  ~DrawingSurface() { Detach(); }

  // The window must have a DC of its own (CS_OWNDC).
  void Attach(HWND window);
  void Detach();
  HWND hWnd() const { return window_; }
  // Where the graphics go: the persistent bitmap with AutoRedraw, else the window.
  HDC hDC() const;

  OleColor BackColor() const { return backColor_; }
  // Clears the surface, the persistent bitmap included.
  void SetBackColor(OleColor color);
  OleColor ForeColor() const { return foreColor_; }
  void SetForeColor(OleColor color);
  Integer BackStyle() const { return backStyle_; }
  // Transparent: the surface paints no background under its drawings.
  void SetBackStyle(Integer style);

  const host::Font& Font() const { return font_.Value(); }
  void SetFont(const host::Font& font) { font_.Set(font); }
  HFONT FontHandle() const { return font_.Handle(); }
  ComPtr<IFontDisp> FontObject() { return font_.Object(); }
  void SetFontObject(IFontDisp* font) { font_.SetObject(font); }
  std::string FontName() const { return Font().Name; }
  void SetFontName(std::string_view name);
  Single FontSize() const { return Font().Size; }
  void SetFontSize(Single size);
  bool FontBold() const { return Font().Bold; }
  void SetFontBold(bool bold);
  bool FontItalic() const { return Font().Italic; }
  void SetFontItalic(bool italic);
  bool FontUnderline() const { return Font().Underline; }
  void SetFontUnderline(bool underline);
  bool FontStrikethru() const { return Font().Strikethrough; }
  void SetFontStrikethru(bool strikethru);
  bool FontTransparent() const { return fontTransparent_; }
  void SetFontTransparent(bool transparent) { fontTransparent_ = transparent; }

  // Drawn at the top-left corner, under the graphics. Nothing clears it.
  const ComPtr<IPictureDisp>& Picture() const { return picture_; }
  void SetPicture(IPictureDisp* picture);
  const ComPtr<IPictureDisp>& MaskPicture() const { return maskPicture_; }
  void SetMaskPicture(IPictureDisp* picture);
  OleColor MaskColor() const { return maskColor_; }
  void SetMaskColor(OleColor color) { maskColor_ = CheckedColor(color); }
  Integer MousePointer() const { return mousePointer_; }
  void SetMousePointer(Integer pointer);
  // An icon or a cursor, shown with MousePointer vbCustom.
  const ComPtr<IPictureDisp>& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(IPictureDisp* icon);
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool rightToLeft) { rightToLeft_ = rightToLeft; }
  // Children are always clipped out of the surface's drawing.
  bool ClipControls() const { return true; }
  Integer PaletteMode() const { return paletteMode_; }
  void SetPaletteMode(Integer mode);
  const ComPtr<IPictureDisp>& Palette() const { return palette_; }
  void SetPalette(IPictureDisp* palette) { palette_ = palette; }

  ScaleModel& Scale() { return scale_; }
  const ScaleModel& Scale() const { return scale_; }
  SIZE ClientSize() const;
  // A client pixel's position in scale units.
  Single XFromPixel(int x) const;
  Single YFromPixel(int y) const;
  // A length from one unit to another: from HIMETRIC and to the surface's
  // own units unless told; error 5 for an unknown unit.
  Single ScaleX(Single width, std::optional<Integer> fromScale = {}, std::optional<Integer> toScale = {}) const;
  Single ScaleY(Single height, std::optional<Integer> fromScale = {}, std::optional<Integer> toScale = {}) const;

  Integer FillStyle() const { return tools_.FillStyle(); }
  void SetFillStyle(Integer style) { tools_.SetFillStyle(style); }
  OleColor FillColor() const { return tools_.FillColor(); }
  void SetFillColor(OleColor color) { tools_.SetFillColor(color); }
  Integer DrawStyle() const { return tools_.DrawStyle(); }
  void SetDrawStyle(Integer style) { tools_.SetDrawStyle(style); }
  Integer DrawMode() const { return tools_.DrawMode(); }
  void SetDrawMode(Integer mode) { tools_.SetDrawMode(mode); }
  Integer DrawWidth() const { return tools_.DrawWidth(); }
  void SetDrawWidth(Integer width) { tools_.SetDrawWidth(width); }
  Single CurrentX() const { return currentX_; }
  void SetCurrentX(Single x) { currentX_ = x; }
  Single CurrentY() const { return currentY_; }
  void SetCurrentY(Single y) { currentY_ = y; }

  bool AutoRedraw() const { return autoRedraw_; }
  // Turned off, what was drawn stays as the background that Cls returns to.
  void SetAutoRedraw(bool autoRedraw);
  // A copy of what the surface holds (the persistent bitmap, else the
  // window's pixels), owned by the picture object: it stays valid whatever
  // becomes of the surface.
  ComPtr<IPictureDisp> Image() const;

  // The windows placed directly on the surface, in z order; Controls raises
  // error 9 for an index outside 0 to ControlsCount - 1.
  Long ControlsCount() const;
  HWND Controls(Long index) const;

  // The graphics methods; see drawing_methods.cpp.
  void Cls();
  void PSet(Single x, Single y, std::optional<OleColor> color = {});
  // -1 outside the surface.
  Long Point(Single x, Single y) const;
  void Circle(Single x, Single y, Single radius, std::optional<OleColor> color = {}, std::optional<double> start = {},
              std::optional<double> end = {}, std::optional<double> aspect = {});
  // Each line at CurrentX, CurrentY; then the start of the next line, or,
  // without newLine (Print text;), just after the text.
  void Print(std::string_view text, bool newLine = true);
  Single TextWidth(std::string_view text) const;
  Single TextHeight(std::string_view text) const;
  void PaintPicture(IPictureDisp* picture, Single x1, Single y1, std::optional<Single> width1 = {},
                    std::optional<Single> height1 = {}, std::optional<Single> x2 = {}, std::optional<Single> y2 = {},
                    std::optional<Single> width2 = {}, std::optional<Single> height2 = {},
                    std::optional<Long> opcode = {});
  // Opens the menu at (x, y), by default where the mouse is, and returns when
  // it closes; its commands go to the top-level window, as the menu bar's do.
  void PopupMenu(HMENU menu, std::optional<Long> flags = {}, std::optional<Single> x = {},
                 std::optional<Single> y = {});
  void PopupMenu(const Menu& menu, std::optional<Long> flags = {}, std::optional<Single> x = {},
                 std::optional<Single> y = {});

  // The owner window's messages.
  LRESULT EraseBackground(HDC dc);
  // True when AutoRedraw painted the area: there is no Paint event then.
  bool PaintPersistent(HDC dc, const RECT& area) const;
  void Resized();
  // True when the surface set the cursor.
  bool SetCursorForHit(LPARAM hitAndMessage) const;

 private:
  void PaintBackground(HDC dc);
  // The text's extent in pixels: its widest line by its lines' height.
  SIZE TextExtent(std::string_view text) const;
  void Repaint() const;
  // After a drawing into the persistent bitmap: the window shows it on its next paint.
  void Drawn() const;
  POINT PixelPoint(Single x, Single y) const;
  template <typename Change>
  void ChangeFont(Change change) {
    host::Font font = Font();
    change(font);
    SetFont(font);
  }

  HWND window_ = nullptr;
  HDC ownDC_ = nullptr;
  OleColor backColor_ = vbButtonFace;
  OleColor foreColor_ = vbButtonText;
  UniqueBrush backBrush_;
  Integer backStyle_ = vbOpaque;
  SurfaceFont font_;
  bool fontTransparent_ = true;
  ComPtr<IPictureDisp> picture_;
  ComPtr<IPicture> backgroundPicture_;
  ComPtr<IPictureDisp> maskPicture_;
  OleColor maskColor_ = vbButtonFace;
  Integer mousePointer_ = 0;
  ComPtr<IPictureDisp> mouseIcon_;
  HICON mouseCursor_ = nullptr;  // owned by mouseIcon_
  bool rightToLeft_ = false;
  Integer paletteMode_ = 3;
  ComPtr<IPictureDisp> palette_;
  ScaleModel scale_;
  DrawingTools tools_;
  Single currentX_ = 0;
  Single currentY_ = 0;
  bool autoRedraw_ = false;
  std::unique_ptr<PersistentImage> image_;
};

}  // namespace host
