#include "host/drawing/surface_settings.h"

#include "host/com/stored_picture.h"
#include "host/description/property_bag.h"
#include "host/drawing/drawing_surface.h"

namespace host {
namespace {

bool ReadFlag(const PropertyBag& bag, std::string_view key, bool byDefault) {
  return static_cast<bool>(bag.ReadProperty<Boolean>(key, Boolean(byDefault)));
}

}  // namespace

void ReadSurfaceSettings(DrawingSurface& surface, const PropertyBag& bag) {
  surface.SetBackColor(bag.ReadProperty<OleColor>("BackColor", surface.BackColor()));
  surface.SetForeColor(bag.ReadProperty<OleColor>("ForeColor", surface.ForeColor()));
  surface.SetFont(bag.ReadProperty<Font>("Font", surface.Font()));
  surface.SetFontTransparent(ReadFlag(bag, "FontTransparent", surface.FontTransparent()));
  surface.SetFillColor(bag.ReadProperty<OleColor>("FillColor", surface.FillColor()));
  surface.SetFillStyle(bag.ReadProperty<Integer>("FillStyle", surface.FillStyle()));
  surface.SetDrawMode(bag.ReadProperty<Integer>("DrawMode", surface.DrawMode()));
  surface.SetDrawStyle(bag.ReadProperty<Integer>("DrawStyle", surface.DrawStyle()));
  surface.SetDrawWidth(bag.ReadProperty<Integer>("DrawWidth", surface.DrawWidth()));
  surface.SetMousePointer(bag.ReadProperty<Integer>("MousePointer", surface.MousePointer()));
  surface.SetPaletteMode(bag.ReadProperty<Integer>("PaletteMode", surface.PaletteMode()));
  surface.SetRightToLeft(ReadFlag(bag, "RightToLeft", surface.RightToLeft()));
  if (const ComPtr<IPictureDisp> icon = ReadPictureProperty(bag, "MouseIcon")) surface.SetMouseIcon(icon.Get());
  if (const ComPtr<IPictureDisp> palette = ReadPictureProperty(bag, "Palette")) surface.SetPalette(palette.Get());
  if (const ComPtr<IPictureDisp> picture = ReadPictureProperty(bag, "Picture")) surface.SetPicture(picture.Get());
  // Last, so that the persistent bitmap starts with the colour and picture.
  surface.SetAutoRedraw(ReadFlag(bag, "AutoRedraw", surface.AutoRedraw()));
}

}  // namespace host
