// RegionContainer's stored properties: its appearance, which lives in the
// user control, and its shape.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/activex/com_property_bag.h"
#include "host/com/com_ptr.h"
#include "host/runtime/color.h"
#include "regions/errors_ignored.h"
#include "regions/event_arguments.h"
#include "regions/region_container_control.h"
#include "regions/stored_keys.h"

namespace regions {
namespace {

using host::Boolean;
using host::Integer;
using host::Long;
using host::OleColor;
using host::Single;

namespace event {
inline constexpr DISPID kWriteProperties = 9;
inline constexpr DISPID kReadProperties = 12;
inline constexpr DISPID kInitProperties = 20;
}  // namespace event

// The keys in the order they are written. FontSize and FontName keep their
// defaults of 0 and "", which no font has: a bag without them leaves the
// font that "Font" gave (assigning 0 fails; "" would be taken, so it is
// not assigned).
std::vector<StoredKey> KeysOf(RegionContainerControl& c) {
  host::DrawingSurface& s = c.Surface();
  const auto shape = [&c](auto change) {
    ContainerShapeSettings settings = c.Shaping().Settings();
    change(settings);
    c.Shaping().Restore(settings);
  };
  return {
      Stored<OleColor>(
          "BackColor", host::vbButtonFace, [&] { return c.BackColor(); }, [&](OleColor v) { c.SetBackColor(v); }),
      Stored<OleColor>(
          "ForeColor", host::vbButtonText, [&] { return c.ForeColor(); }, [&](OleColor v) { c.SetForeColor(v); }),
      Stored<Boolean>(
          "Enabled", host::True, [&] { return Boolean(c.Enabled()); },
          [&](Boolean v) { c.SetEnabled(v == host::True); }),
      Stored<host::Font>(
          "Font", c.Ambient().Font, [&] { return c.Font(); }, [&](const host::Font& v) { c.SetFont(v); }),
      Stored<Integer>(
          "BackStyle", 1, [&] { return s.BackStyle(); }, [&](Integer v) { s.SetBackStyle(v); }),
      Stored<Integer>(
          "BorderStyle", 0, [&] { return c.BorderStyle(); }, [&](Integer v) { c.SetBorderStyle(v); }),
      Stored<Single>(
          "ScaleWidth", 3840, [&] { return c.ScaleWidth(); }, [&](Single v) { c.SetScaleWidth(v); }),
      Stored<Single>(
          "ScaleTop", 0, [&] { return c.ScaleTop(); }, [&](Single v) { c.SetScaleTop(v); }),
      Stored<Integer>(
          "ScaleMode", 1, [&] { return c.ScaleMode(); }, [&](Integer v) { c.SetScaleMode(v); }),
      Stored<Single>(
          "ScaleLeft", 0, [&] { return c.ScaleLeft(); }, [&](Single v) { c.SetScaleLeft(v); }),
      Stored<Single>(
          "ScaleHeight", 2880, [&] { return c.ScaleHeight(); }, [&](Single v) { c.SetScaleHeight(v); }),
      Stored<Boolean>(
          "RightToLeft", host::False, [&] { return Boolean(s.RightToLeft()); },
          [&](Boolean v) { s.SetRightToLeft(v == host::True); }),
      StoredPictureKey(
          "Picture", [&] { return s.Picture(); }, [&](IPictureDisp* v) { s.SetPicture(v); }),
      Stored<Integer>(
          "PaletteMode", 3, [&] { return s.PaletteMode(); }, [&](Integer v) { s.SetPaletteMode(v); }),
      StoredPictureKey(
          "Palette", [&] { return s.Palette(); }, [&](IPictureDisp* v) { s.SetPalette(v); }),
      Stored<Integer>(
          "OLEDropMode", 0, [&] { return c.OLEDropMode(); }, [&](Integer v) { c.SetOLEDropMode(v); }),
      Stored<Integer>(
          "MousePointer", 0, [&] { return s.MousePointer(); }, [&](Integer v) { s.SetMousePointer(v); }),
      StoredPictureKey(
          "MouseIcon", [&] { return s.MouseIcon(); }, [&](IPictureDisp* v) { s.SetMouseIcon(v); }),
      StoredPictureKey(
          "MaskPicture", [&] { return s.MaskPicture(); }, [&](IPictureDisp* v) { s.SetMaskPicture(v); }),
      Stored<OleColor>(
          "MaskColor", host::vbButtonFace, [&] { return s.MaskColor(); }, [&](OleColor v) { s.SetMaskColor(v); }),
      Stored<Boolean>(
          "FontUnderline", host::False, [&] { return Boolean(s.FontUnderline()); },
          [&](Boolean v) { s.SetFontUnderline(v == host::True); }),
      Stored<Boolean>(
          "FontTransparent", host::True, [&] { return Boolean(s.FontTransparent()); },
          [&](Boolean v) { s.SetFontTransparent(v == host::True); }),
      Stored<Boolean>(
          "FontStrikethru", host::False, [&] { return Boolean(s.FontStrikethru()); },
          [&](Boolean v) { s.SetFontStrikethru(v == host::True); }),
      Stored<Single>(
          "FontSize", 0, [&] { return s.FontSize(); }, [&](Single v) { s.SetFontSize(v); }),
      Stored<std::string>(
          "FontName", "", [&] { return s.FontName(); },
          [&](const std::string& v) {
            if (!v.empty()) s.SetFontName(v);
          }),
      Stored<Boolean>(
          "FontItalic", host::False, [&] { return Boolean(s.FontItalic()); },
          [&](Boolean v) { s.SetFontItalic(v == host::True); }),
      Stored<Boolean>(
          "FontBold", host::False, [&] { return Boolean(s.FontBold()); },
          [&](Boolean v) { s.SetFontBold(v == host::True); }),
      Stored<Integer>(
          "FillStyle", 1, [&] { return s.FillStyle(); }, [&](Integer v) { s.SetFillStyle(v); }),
      Stored<OleColor>(
          "FillColor", 0, [&] { return s.FillColor(); }, [&](OleColor v) { s.SetFillColor(v); }),
      Stored<Integer>(
          "DrawWidth", 1, [&] { return s.DrawWidth(); }, [&](Integer v) { s.SetDrawWidth(v); }),
      Stored<Integer>(
          "DrawStyle", 0, [&] { return s.DrawStyle(); }, [&](Integer v) { s.SetDrawStyle(v); }),
      Stored<Integer>(
          "DrawMode", 13, [&] { return s.DrawMode(); }, [&](Integer v) { s.SetDrawMode(v); }),
      Stored<Single>(
          "CurrentY", 0, [&] { return s.CurrentY(); }, [&](Single v) { s.SetCurrentY(v); }),
      Stored<Single>(
          "CurrentX", 0, [&] { return s.CurrentX(); }, [&](Single v) { s.SetCurrentX(v); }),
      Stored<Boolean>(
          "AutoRedraw", host::False, [&] { return Boolean(s.AutoRedraw()); },
          [&](Boolean v) { s.SetAutoRedraw(v == host::True); }),
      Stored<Long>(
          "RegionMode", 0, [&] { return static_cast<Long>(c.Shaping().Settings().regionMode); },
          [=](Long v) { shape([&](ContainerShapeSettings& settings) { settings.regionMode = RegionHow{v}; }); }),
      Stored<Long>(
          "BoxRoundedX", 500, [&] { return c.Shaping().Settings().boxRoundedX; },
          [=](Long v) { shape([&](ContainerShapeSettings& settings) { settings.boxRoundedX = v; }); }),
      Stored<Long>(
          "BoxRoundedY", 500, [&] { return c.Shaping().Settings().boxRoundedY; },
          [=](Long v) { shape([&](ContainerShapeSettings& settings) { settings.boxRoundedY = v; }); }),
  };
}

// ScaleMode is read after the scale values, so that a stored twips mode
// resets a user scale read just before it.
std::vector<StoredKey> ReadOrder(std::vector<StoredKey> keys) {
  const auto mode =
      std::find_if(keys.begin(), keys.end(), [](const StoredKey& key) { return std::string(key.name) == "ScaleMode"; });
  std::rotate(mode, mode + 1, mode + 3);
  return keys;
}

// The bag as the host's handler sees it, through IPropertyBag.
host::ComPtr<host::ComPropertyBag> Shown(const host::PropertyBag& bag) {
  host::ComPtr<host::ComPropertyBag> shown;
  shown.Attach(new host::ComPropertyBag(bag));
  return shown;
}

}  // namespace

void RegionContainerControl::UserControl_InitProperties() {
  ErrorsIgnored statement;
  statement([&] { RaiseByReference(server_, event::kInitProperties); });
  statement([&] {
    SetFont(Ambient().Font);
    PropertyChanged("Font");
  });
  shaping_.Restore({});
}

void RegionContainerControl::UserControl_ReadProperties(const host::PropertyBag& PropBag) {
  ErrorsIgnored statement;
  statement([&] {
    const auto shown = Shown(PropBag);
    IUnknown* handed = shown.Get();
    RaiseByReference(server_, event::kReadProperties, handed);
  });
  statement([&] { ReadKeys(ReadOrder(KeysOf(*this)), PropBag); });
}

void RegionContainerControl::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  ErrorsIgnored statement;
  statement([&] {
    const auto shown = Shown(PropBag);
    IUnknown* handed = shown.Get();
    RaiseByReference(server_, event::kWriteProperties, handed);
    PropBag = shown->Bag();
  });
  statement([&] { WriteKeys(KeysOf(*this), PropBag); });
}

}  // namespace regions
