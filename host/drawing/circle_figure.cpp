#include "host/drawing/circle_figure.h"

#include <cmath>
#include <numbers>

#include "host/runtime/error.h"

namespace host {
namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;

double CheckedAngle(double angle) {
  if (std::abs(angle) > kFullTurn) throw RuntimeError(error_number::InvalidCall);
  return angle;
}

}  // namespace

CircleFigure PlanCircle(POINT center, double radiusPixels, std::optional<double> startAngle,
                        std::optional<double> endAngle, double aspect) {
  if (!(aspect > 0)) throw RuntimeError(error_number::InvalidCall);
  const double radius = std::abs(radiusPixels);
  const double across = aspect > 1 ? radius / aspect : radius;
  const double down = aspect > 1 ? radius : radius * aspect;
  CircleFigure figure;
  figure.center = center;
  figure.bounds = {static_cast<LONG>(std::lround(center.x - across)), static_cast<LONG>(std::lround(center.y - down)),
                   static_cast<LONG>(std::lround(center.x + across)) + 1,
                   static_cast<LONG>(std::lround(center.y + down)) + 1};
  if (!startAngle && !endAngle) return figure;

  const double start = CheckedAngle(startAngle.value_or(0));
  const double end = CheckedAngle(endAngle.value_or(kFullTurn));
  // Screen y grows downwards, so a counter-clockwise angle subtracts from it.
  const auto onEllipse = [&](double angle) {
    return POINT{static_cast<LONG>(std::lround(center.x + across * std::cos(std::abs(angle)))),
                 static_cast<LONG>(std::lround(center.y - down * std::sin(std::abs(angle))))};
  };
  figure.start = onEllipse(start);
  figure.end = onEllipse(end);
  if (start < 0 && end < 0) {
    figure.kind = CircleFigure::Kind::Pie;
  } else {
    figure.kind = CircleFigure::Kind::Arc;
    figure.radiusToStart = start < 0;
    figure.radiusToEnd = end < 0;
  }
  return figure;
}

}  // namespace host
