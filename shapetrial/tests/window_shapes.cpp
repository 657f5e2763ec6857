#include "shapetrial/tests/window_shapes.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "host/testing/region_compare.h"

namespace shapetrial::testing {
namespace {

constexpr double kTwipsPerPixel = 15;

struct ControlSearch {
  int width;
  int height;
  std::vector<HWND> found;
};

// Hosted controls draw on the runtime's user-control surface class.
BOOL CALLBACK CollectControl(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<ControlSearch*>(context);
  std::array<char, 64> name{};
  const std::string_view className(name.data(), GetClassNameA(window, name.data(), static_cast<int>(name.size())));
  RECT bounds{};
  GetWindowRect(window, &bounds);
  if (className.starts_with("HostUserControl") && std::abs(bounds.right - bounds.left - search.width) <= 1 &&
      std::abs(bounds.bottom - bounds.top - search.height) <= 1) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

int Pixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

host::UniqueRgn ShapeOf(Shape shape, int widthTwips, int heightTwips, int cornerTwips, POINT at) {
  const int right = at.x + Pixels(widthTwips);
  const int bottom = at.y + Pixels(heightTwips);
  switch (shape) {
    case Shape::Ellipse:
      return host::UniqueRgn(CreateEllipticRgn(at.x, at.y, right, bottom));
    case Shape::Block:
      return host::UniqueRgn(CreateRectRgn(at.x, at.y, right, bottom));
    case Shape::Rounded:
      return host::UniqueRgn(CreateRoundRectRgn(at.x, at.y, right, bottom, Pixels(cornerTwips), Pixels(cornerTwips)));
  }
  return {};
}

host::UniqueRgn PolygonOf(const std::vector<POINTFLOAT>& vertices, double unitX, double unitY) {
  std::vector<POINT> points;
  points.reserve(vertices.size());
  for (const POINTFLOAT& vertex : vertices) {
    points.push_back(
        {static_cast<LONG>(std::nearbyint(unitX * vertex.x)), static_cast<LONG>(std::nearbyint(unitY * vertex.y))});
  }
  return host::UniqueRgn(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
}

host::UniqueRgn Combined(host::UniqueRgn base, const host::UniqueRgn& other, int mode) {
  CombineRgn(base.get(), base.get(), other.get(), mode);
  return base;
}

std::vector<HWND> ControlWindows(HWND top, int widthTwips, int heightTwips) {
  ControlSearch search{Pixels(widthTwips), Pixels(heightTwips), {}};
  EnumChildWindows(top, CollectControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

host::UniqueRgn ShownArea(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  host::UniqueRgn whole(CreateRectRgn(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top));
  host::UniqueRgn shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, shape.get()) == ERROR) return whole;
  return Combined(std::move(shape), whole, RGN_AND);
}

POINT OffsetIn(HWND inner, HWND outer) {
  RECT in{};
  RECT out{};
  GetWindowRect(inner, &in);
  GetWindowRect(outer, &out);
  return {in.left - out.left, in.top - out.top};
}

bool ShowsExactly(HWND window, const host::UniqueRgn& expected) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  host::UniqueRgn clipped(CreateRectRgn(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top));
  CombineRgn(clipped.get(), clipped.get(), expected.get(), RGN_AND);
  return host::testing::SameArea(ShownArea(window).get(), clipped.get());
}

}  // namespace shapetrial::testing
