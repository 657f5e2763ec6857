#include "host/forms/scale_model.h"

#include "host/runtime/error.h"
#include "host/services/screen.h"

namespace host {
namespace {

enum class Axis { Across, Down };

// Twips in one unit of a fixed mode.
double TwipsPerUnit(Integer mode, Axis axis) {
  switch (mode) {
    case vbPoints:
      return 20.0;
    case vbPixels:
      return static_cast<double>(axis == Axis::Across ? Screen().TwipsPerPixelX() : Screen().TwipsPerPixelY());
    case vbCharacters:
      return axis == Axis::Across ? 120.0 : 240.0;
    case vbInches:
      return 1440.0;
    case vbMillimeters:
      return 1440.0 / 25.4;
    case vbCentimeters:
      return 1440.0 / 2.54;
    case vbHimetric:
      return 1440.0 / 2540.0;
    default:
      return 1.0;
  }
}

double TwipsPerPixel(Axis axis) {
  return static_cast<double>(axis == Axis::Across ? Screen().TwipsPerPixelX() : Screen().TwipsPerPixelY());
}

// Through pixels, so that vbUser means the scale's own units whatever its mode.
double Convert(const ScaleModel& scale, double length, Integer from, Integer to, SIZE client, Axis axis) {
  for (const Integer unit : {from, to}) {
    if (unit < vbUser || unit > vbHimetric) throw RuntimeError(error_number::InvalidCall);
  }
  const bool across = axis == Axis::Across;
  const double pixels = from != vbUser ? length * TwipsPerUnit(from, axis) / TwipsPerPixel(axis)
                        : across       ? scale.ToPixelsX(length, client)
                                       : scale.ToPixelsY(length, client);
  if (to != vbUser) return pixels * TwipsPerPixel(axis) / TwipsPerUnit(to, axis);
  return across ? scale.FromPixelsX(pixels, client) : scale.FromPixelsY(pixels, client);
}

}  // namespace

void ScaleModel::SetMode(Integer mode, SIZE clientPixels) {
  if (mode < vbUser || mode > vbCentimeters) throw RuntimeError(error_number::InvalidPropertyValue);
  if (mode == vbUser) {
    EnterUserMode(clientPixels);
    return;
  }
  mode_ = mode;
  left_ = 0;
  top_ = 0;
}

Single ScaleModel::Width(SIZE clientPixels) const {
  if (mode_ == vbUser) return width_;
  return static_cast<Single>(FromPixelsX(clientPixels.cx, clientPixels));
}

Single ScaleModel::Height(SIZE clientPixels) const {
  if (mode_ == vbUser) return height_;
  return static_cast<Single>(FromPixelsY(clientPixels.cy, clientPixels));
}

void ScaleModel::SetLeft(Single left, SIZE clientPixels) {
  EnterUserMode(clientPixels);
  left_ = left;
}

void ScaleModel::SetTop(Single top, SIZE clientPixels) {
  EnterUserMode(clientPixels);
  top_ = top;
}

void ScaleModel::SetWidth(Single width, SIZE clientPixels) {
  const Single checked = CheckedExtent(width);
  EnterUserMode(clientPixels);
  width_ = checked;
}

void ScaleModel::SetHeight(Single height, SIZE clientPixels) {
  const Single checked = CheckedExtent(height);
  EnterUserMode(clientPixels);
  height_ = checked;
}

void ScaleModel::Scale(Single x1, Single y1, Single x2, Single y2) {
  const Single width = CheckedExtent(x2 - x1);
  const Single height = CheckedExtent(y2 - y1);
  mode_ = vbUser;
  left_ = x1;
  top_ = y1;
  width_ = width;
  height_ = height;
}

// In user mode the client width spans width_ units, whatever the client's size.
double ScaleModel::FromPixelsX(double pixels, SIZE clientPixels) const {
  if (mode_ == vbUser) return clientPixels.cx == 0 ? 0.0 : pixels * width_ / clientPixels.cx;
  return pixels * TwipsPerPixel(Axis::Across) / TwipsPerUnit(mode_, Axis::Across);
}

double ScaleModel::FromPixelsY(double pixels, SIZE clientPixels) const {
  if (mode_ == vbUser) return clientPixels.cy == 0 ? 0.0 : pixels * height_ / clientPixels.cy;
  return pixels * TwipsPerPixel(Axis::Down) / TwipsPerUnit(mode_, Axis::Down);
}

double ScaleModel::ToPixelsX(double units, SIZE clientPixels) const {
  if (mode_ == vbUser) return width_ == 0 ? 0.0 : units * clientPixels.cx / width_;
  return units * TwipsPerUnit(mode_, Axis::Across) / TwipsPerPixel(Axis::Across);
}

double ScaleModel::ToPixelsY(double units, SIZE clientPixels) const {
  if (mode_ == vbUser) return height_ == 0 ? 0.0 : units * clientPixels.cy / height_;
  return units * TwipsPerUnit(mode_, Axis::Down) / TwipsPerPixel(Axis::Down);
}

double ScaleModel::ConvertX(double length, Integer from, Integer to, SIZE clientPixels) const {
  return Convert(*this, length, from, to, clientPixels, Axis::Across);
}

double ScaleModel::ConvertY(double length, Integer from, Integer to, SIZE clientPixels) const {
  return Convert(*this, length, from, to, clientPixels, Axis::Down);
}

// The current extent becomes the user extent, so that setting one value
// leaves the others as they were.
void ScaleModel::EnterUserMode(SIZE clientPixels) {
  if (mode_ == vbUser) return;
  width_ = Width(clientPixels);
  height_ = Height(clientPixels);
  mode_ = vbUser;
}

Single ScaleModel::CheckedExtent(Single extent) {
  if (extent == 0) throw RuntimeError(error_number::InvalidPropertyValue);
  return extent;
}

}  // namespace host
