#pragma once

#include <windows.h>

#include <optional>

namespace host {

// What the Circle method draws, worked out in pixels. The radius lies along
// the longer axis: an aspect below 1 squeezes the height, above 1 the width.
// Angles are radians counter-clockwise from three o'clock; a negative angle
// also draws the radius to that end, and two negative ones close a pie.
struct CircleFigure {
  enum class Kind { Ellipse, Arc, Pie };
  Kind kind = Kind::Ellipse;
  RECT bounds{};  // right and bottom exclusive, as GDI takes them
  POINT start{};
  POINT end{};
  POINT center{};
  bool radiusToStart = false;
  bool radiusToEnd = false;
};

// Error 5 for an angle beyond a full turn or an aspect that is not positive.
CircleFigure PlanCircle(POINT center, double radiusPixels, std::optional<double> startAngle,
                        std::optional<double> endAngle, double aspect);

}  // namespace host
