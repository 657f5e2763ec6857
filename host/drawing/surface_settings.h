#pragma once

namespace host {

class DrawingSurface;
class PropertyBag;

// Reads what a description stores of a drawing surface (colours, font,
// picture, pointer, pens and fills, AutoRedraw) over the surface's defaults;
// error 380 for a value out of range.
void ReadSurfaceSettings(DrawingSurface& surface, const PropertyBag& bag);

}  // namespace host
