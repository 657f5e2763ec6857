// The graphics methods of DrawingSurface.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/drawing/circle_figure.h"
#include "host/drawing/drawing_surface.h"
#include "host/drawing/picture.h"
#include "host/win32/dc_scope.h"

namespace host {
namespace {

// Lines end at CR LF, LF or a lone CR.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t begin = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' && text[at] != '\n') continue;
    lines.push_back(text.substr(begin, at - begin));
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    begin = at + 1;
  }
  lines.push_back(text.substr(begin));
  return lines;
}

int LineHeight(HDC dc) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

int LineWidth(HDC dc, std::string_view line) {
  SIZE extent{};
  GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &extent);
  return extent.cx;
}

int Rounded(double pixels) { return static_cast<int>(std::lround(pixels)); }

}  // namespace

void DrawingSurface::Cls() {
  if (autoRedraw_ && image_) {
    PaintBackground(image_->dc());
    Drawn();
  } else {
    EraseBackground(ownDC_);
  }
  currentX_ = 0;
  currentY_ = 0;
}

void DrawingSurface::PSet(Single x, Single y, std::optional<OleColor> color) {
  const POINT at = PixelPoint(x, y);
  const COLORREF ink = TranslateColor(color.value_or(foreColor_));
  const int width = tools_.DrawWidth();
  const HDC dc = hDC();
  if (width == 1) {
    // A one-pixel line rather than SetPixel, so that DrawMode applies.
    const UniquePen pen(CreatePen(PS_SOLID, 1, ink));
    const SavedDCState state(dc);
    SelectObject(dc, pen.get());
    SetROP2(dc, tools_.DrawMode());
    MoveToEx(dc, at.x, at.y, nullptr);
    LineTo(dc, at.x + 1, at.y);
  } else {
    // A wide point is a round dot as wide as the pen.
    const UniqueBrush brush(CreateSolidBrush(ink));
    const SavedDCState state(dc);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, brush.get());
    SetROP2(dc, tools_.DrawMode());
    const int left = at.x - width / 2;
    const int top = at.y - width / 2;
    Ellipse(dc, left, top, left + width + 1, top + width + 1);
  }
  currentX_ = x;
  currentY_ = y;
  Drawn();
}

Long DrawingSurface::Point(Single x, Single y) const {
  const POINT at = PixelPoint(x, y);
  const SIZE size = ClientSize();
  if (at.x < 0 || at.y < 0 || at.x >= size.cx || at.y >= size.cy) return -1;
  const COLORREF color = GetPixel(hDC(), at.x, at.y);
  return color == CLR_INVALID ? -1 : static_cast<Long>(color);
}

void DrawingSurface::Circle(Single x, Single y, Single radius, std::optional<OleColor> color,
                            std::optional<double> start, std::optional<double> end, std::optional<double> aspect) {
  const CircleFigure figure =
      PlanCircle(PixelPoint(x, y), scale_.ToPixelsX(radius, ClientSize()), start, end, aspect.value_or(1.0));
  const UniquePen pen = tools_.MakePen(color.value_or(foreColor_));
  const UniqueBrush fill = tools_.MakeFillBrush();
  const HDC dc = hDC();
  {
    const SavedDCState state(dc);
    SelectObject(dc, pen.get());
    SelectObject(dc, HollowOr(fill));
    SetROP2(dc, tools_.DrawMode());
    // Hatches leave what is behind them showing.
    SetBkMode(dc, TRANSPARENT);
    const RECT& box = figure.bounds;
    switch (figure.kind) {
      case CircleFigure::Kind::Ellipse:
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        break;
      case CircleFigure::Kind::Pie:
        Pie(dc, box.left, box.top, box.right, box.bottom, figure.start.x, figure.start.y, figure.end.x, figure.end.y);
        break;
      case CircleFigure::Kind::Arc:
        Arc(dc, box.left, box.top, box.right, box.bottom, figure.start.x, figure.start.y, figure.end.x, figure.end.y);
        for (const auto& [wanted, to] :
             {std::pair{figure.radiusToStart, figure.start}, std::pair{figure.radiusToEnd, figure.end}}) {
          if (!wanted) continue;
          MoveToEx(dc, figure.center.x, figure.center.y, nullptr);
          LineTo(dc, to.x, to.y);
        }
        break;
    }
  }
  currentX_ = x;
  currentY_ = y;
  Drawn();
}

void DrawingSurface::Print(std::string_view text, bool newLine) {
  const HDC dc = hDC();
  const SIZE client = ClientSize();
  {
    const SavedDCState state(dc);
    SelectObject(dc, font_.Handle());
    SetTextColor(dc, TranslateColor(foreColor_));
    SetBkColor(dc, TranslateColor(backColor_));
    SetBkMode(dc, fontTransparent_ ? TRANSPARENT : OPAQUE);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int lineHeight = LineHeight(dc);
    const std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t at = 0; at < lines.size(); ++at) {
      const std::string_view line = lines[at];
      const POINT origin = PixelPoint(currentX_, currentY_);
      TextOutA(dc, origin.x, origin.y, line.data(), static_cast<int>(line.size()));
      if (at + 1 == lines.size() && !newLine) {
        currentX_ += static_cast<Single>(scale_.FromPixelsX(LineWidth(dc, line), client));
      } else {
        currentX_ = scale_.Left();
        currentY_ += static_cast<Single>(scale_.FromPixelsY(lineHeight, client));
      }
    }
  }
  Drawn();
}

SIZE DrawingSurface::TextExtent(std::string_view text) const {
  const SavedDCState state(ownDC_);
  SelectObject(ownDC_, font_.Handle());
  const std::vector<std::string_view> lines = SplitLines(text);
  int widest = 0;
  for (const std::string_view line : lines) widest = std::max(widest, LineWidth(ownDC_, line));
  return {widest, LineHeight(ownDC_) * static_cast<LONG>(lines.size())};
}

Single DrawingSurface::TextWidth(std::string_view text) const {
  return static_cast<Single>(scale_.FromPixelsX(TextExtent(text).cx, ClientSize()));
}

Single DrawingSurface::TextHeight(std::string_view text) const {
  return static_cast<Single>(scale_.FromPixelsY(TextExtent(text).cy, ClientSize()));
}

void DrawingSurface::PaintPicture(IPictureDisp* picture, Single x1, Single y1, std::optional<Single> width1,
                                  std::optional<Single> height1, std::optional<Single> x2, std::optional<Single> y2,
                                  std::optional<Single> width2, std::optional<Single> height2,
                                  std::optional<Long> opcode) {
  const ComPtr<IPicture> drawn = CheckedPicture(picture);
  const SIZE size = PictureSizeInPixels(*drawn.Get());
  const SIZE client = ClientSize();
  const auto across = [&](std::optional<Single> units, int otherwise) {
    return units ? Rounded(scale_.ToPixelsX(*units, client)) : otherwise;
  };
  const auto down = [&](std::optional<Single> units, int otherwise) {
    return units ? Rounded(scale_.ToPixelsY(*units, client)) : otherwise;
  };
  const POINT origin = PixelPoint(x1, y1);
  const PixelArea target{origin.x, origin.y, across(width1, size.cx), down(height1, size.cy)};
  PixelArea source{across(x2, 0), down(y2, 0), 0, 0};
  source.width = across(width2, size.cx - source.x);
  source.height = down(height2, size.cy - source.y);
  DrawPicture(hDC(), *drawn.Get(), target, source, static_cast<DWORD>(opcode.value_or(SRCCOPY)));
  Drawn();
}

}  // namespace host
