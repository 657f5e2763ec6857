// RegionContainer's appearance and drawing members: each forwards to the
// user control or its drawing surface, whose errors reach the caller.
#include "host/runtime/color.h"
#include "host/runtime/error.h"
#include "host/runtime/numeric.h"
#include "regions/dispatch_values.h"
#include "regions/region_container_object.h"

namespace regions {

using host::OleColor;

HRESULT RegionContainerObject::get_BackColor(OLE_COLOR* value) noexcept {
  return Get(value, [&] { return Object().BackColor(); });
}
HRESULT RegionContainerObject::put_BackColor(OLE_COLOR value) noexcept {
  return Put("BackColor", [&] { Object().SetBackColor(value); });
}
HRESULT RegionContainerObject::get_ForeColor(OLE_COLOR* value) noexcept {
  return Get(value, [&] { return Object().ForeColor(); });
}
HRESULT RegionContainerObject::put_ForeColor(OLE_COLOR value) noexcept {
  return Put("ForeColor", [&] { Object().SetForeColor(value); });
}
HRESULT RegionContainerObject::get_Enabled(VARIANT_BOOL* value) noexcept {
  return Get(value, [&] { return VariantBool(Object().Enabled()); });
}
HRESULT RegionContainerObject::put_Enabled(VARIANT_BOOL value) noexcept {
  return Put("Enabled", [&] { Object().SetEnabled(value != VARIANT_FALSE); });
}
HRESULT RegionContainerObject::get_Font(IFontDisp** value) noexcept {
  return Get(value, [&] { return Object().Surface().FontObject().Detach(); });
}
HRESULT RegionContainerObject::putref_Font(IFontDisp* value) noexcept {
  return Put("Font", [&] { Object().Surface().SetFontObject(value); });
}
HRESULT RegionContainerObject::TextWidth(BSTR Str, float* width) noexcept {
  return Get(width, [&] { return Object().Surface().TextWidth(Text(Str)); });
}
HRESULT RegionContainerObject::TextHeight(BSTR Str, float* height) noexcept {
  return Get(height, [&] { return Object().Surface().TextHeight(Text(Str)); });
}
HRESULT RegionContainerObject::Size(float Width, float Height) noexcept {
  return Run([&] { Object().Size(host::CLng(Width), host::CLng(Height)); });
}
HRESULT RegionContainerObject::ScaleY(float Height, VARIANT FromScale, VARIANT ToScale, float* converted) noexcept {
  return Get(converted, [&] { return Object().ScaleY(Height, OptionalInteger(FromScale), OptionalInteger(ToScale)); });
}
HRESULT RegionContainerObject::ScaleX(float Width, VARIANT FromScale, VARIANT ToScale, float* converted) noexcept {
  return Get(converted, [&] { return Object().ScaleX(Width, OptionalInteger(FromScale), OptionalInteger(ToScale)); });
}
HRESULT RegionContainerObject::get_ScaleWidth(float* value) noexcept {
  return Get(value, [&] { return Object().ScaleWidth(); });
}
HRESULT RegionContainerObject::put_ScaleWidth(float value) noexcept {
  return Put("ScaleWidth", [&] { Object().SetScaleWidth(value); });
}
HRESULT RegionContainerObject::get_ScaleTop(float* value) noexcept {
  return Get(value, [&] { return Object().ScaleTop(); });
}
HRESULT RegionContainerObject::put_ScaleTop(float value) noexcept {
  return Put("ScaleTop", [&] { Object().SetScaleTop(value); });
}
HRESULT RegionContainerObject::get_ScaleMode(short* value) noexcept {
  return Get(value, [&] { return Object().ScaleMode(); });
}
HRESULT RegionContainerObject::put_ScaleMode(short value) noexcept {
  return Put("ScaleMode", [&] { Object().SetScaleMode(value); });
}
HRESULT RegionContainerObject::get_ScaleLeft(float* value) noexcept {
  return Get(value, [&] { return Object().ScaleLeft(); });
}
HRESULT RegionContainerObject::put_ScaleLeft(float value) noexcept {
  return Put("ScaleLeft", [&] { Object().SetScaleLeft(value); });
}
HRESULT RegionContainerObject::get_ScaleHeight(float* value) noexcept {
  return Get(value, [&] { return Object().ScaleHeight(); });
}
HRESULT RegionContainerObject::put_ScaleHeight(float value) noexcept {
  return Put("ScaleHeight", [&] { Object().SetScaleHeight(value); });
}
// Without arguments the scale returns to twips.
HRESULT RegionContainerObject::Scale_(VARIANT X1, VARIANT Y1, VARIANT X2, VARIANT Y2) noexcept {
  return Run([&] {
    const auto x1 = OptionalSingle(X1);
    const auto y1 = OptionalSingle(Y1);
    const auto x2 = OptionalSingle(X2);
    const auto y2 = OptionalSingle(Y2);
    if (!x1 && !y1 && !x2 && !y2) return Object().SetScaleMode(host::vbTwips);
    if (!x1 || !y1 || !x2 || !y2) throw host::RuntimeError(host::error_number::ArgumentNotOptional);
    Object().Scale(*x1, *y1, *x2, *y2);
  });
}
HRESULT RegionContainerObject::get_RightToLeft(VARIANT_BOOL* value) noexcept {
  return Get(value, [&] { return VariantBool(Object().Surface().RightToLeft()); });
}
HRESULT RegionContainerObject::put_RightToLeft(VARIANT_BOOL value) noexcept {
  return Put("RightToLeft", [&] { Object().Surface().SetRightToLeft(value != VARIANT_FALSE); });
}
HRESULT RegionContainerObject::PSet_(float X, float Y, LONG Color) noexcept {
  return Run([&] { Object().Surface().PSet(X, Y, static_cast<OleColor>(Color)); });
}
HRESULT RegionContainerObject::Point(float X, float Y, LONG* color) noexcept {
  return Get(color, [&] { return Object().Surface().Point(X, Y); });
}
HRESULT RegionContainerObject::get_Picture(IPictureDisp** value) noexcept {
  return Get(value, [&] { return host::ComPtr<IPictureDisp>(Object().Surface().Picture()).Detach(); });
}
HRESULT RegionContainerObject::putref_Picture(IPictureDisp* value) noexcept {
  return Put("Picture", [&] { Object().Surface().SetPicture(value); });
}
HRESULT RegionContainerObject::PaintPicture(IPictureDisp* Picture, float X1, float Y1, VARIANT Width1, VARIANT Height1,
                                            VARIANT X2, VARIANT Y2, VARIANT Width2, VARIANT Height2,
                                            VARIANT Opcode) noexcept {
  return Run([&] {
    Object().Surface().PaintPicture(Picture, X1, Y1, OptionalSingle(Width1), OptionalSingle(Height1),
                                    OptionalSingle(X2), OptionalSingle(Y2), OptionalSingle(Width2),
                                    OptionalSingle(Height2), OptionalLong(Opcode));
  });
}
HRESULT RegionContainerObject::get_OLEDropMode(short* value) noexcept {
  return Get(value, [&] { return Object().OLEDropMode(); });
}
HRESULT RegionContainerObject::put_OLEDropMode(short value) noexcept {
  return Put("OLEDropMode", [&] { Object().SetOLEDropMode(value); });
}
HRESULT RegionContainerObject::OLEDrag() noexcept {
  return Run([&] { Object().OLEDrag(); });
}
HRESULT RegionContainerObject::get_MousePointer(short* value) noexcept {
  return Get(value, [&] { return Object().Surface().MousePointer(); });
}
HRESULT RegionContainerObject::put_MousePointer(short value) noexcept {
  return Put("MousePointer", [&] { Object().Surface().SetMousePointer(value); });
}
HRESULT RegionContainerObject::get_MouseIcon(IPictureDisp** value) noexcept {
  return Get(value, [&] { return host::ComPtr<IPictureDisp>(Object().Surface().MouseIcon()).Detach(); });
}
HRESULT RegionContainerObject::putref_MouseIcon(IPictureDisp* value) noexcept {
  return Put("MouseIcon", [&] { Object().Surface().SetMouseIcon(value); });
}
HRESULT RegionContainerObject::get_MaskPicture(IPictureDisp** value) noexcept {
  return Get(value, [&] { return host::ComPtr<IPictureDisp>(Object().Surface().MaskPicture()).Detach(); });
}
HRESULT RegionContainerObject::putref_MaskPicture(IPictureDisp* value) noexcept {
  return Put("MaskPicture", [&] { Object().Surface().SetMaskPicture(value); });
}
HRESULT RegionContainerObject::get_MaskColor(OLE_COLOR* value) noexcept {
  return Get(value, [&] { return Object().Surface().MaskColor(); });
}
HRESULT RegionContainerObject::put_MaskColor(OLE_COLOR value) noexcept {
  return Put("MaskColor", [&] { Object().Surface().SetMaskColor(value); });
}
HRESULT RegionContainerObject::get_Image(IPictureDisp** value) noexcept {
  return Get(value, [&] { return Object().Surface().Image().Detach(); });
}
HRESULT RegionContainerObject::get_hWnd(LONG* value) noexcept {
  return Get(value, [&] { return HandleNumber(Object().hWnd()); });
}
HRESULT RegionContainerObject::get_hdc(LONG* value) noexcept {
  return Get(value, [&] { return HandleNumber(Object().hDC()); });
}
HRESULT RegionContainerObject::get_FontTransparent(VARIANT_BOOL* value) noexcept {
  return Get(value, [&] { return VariantBool(Object().Surface().FontTransparent()); });
}
HRESULT RegionContainerObject::put_FontTransparent(VARIANT_BOOL value) noexcept {
  return Put("FontTransparent", [&] { Object().Surface().SetFontTransparent(value != VARIANT_FALSE); });
}
HRESULT RegionContainerObject::get_FillStyle(short* value) noexcept {
  return Get(value, [&] { return Object().Surface().FillStyle(); });
}
HRESULT RegionContainerObject::put_FillStyle(short value) noexcept {
  return Put("FillStyle", [&] { Object().Surface().SetFillStyle(value); });
}
HRESULT RegionContainerObject::get_FillColor(OLE_COLOR* value) noexcept {
  return Get(value, [&] { return Object().Surface().FillColor(); });
}
HRESULT RegionContainerObject::put_FillColor(OLE_COLOR value) noexcept {
  return Put("FillColor", [&] { Object().Surface().SetFillColor(value); });
}
HRESULT RegionContainerObject::get_DrawWidth(short* value) noexcept {
  return Get(value, [&] { return Object().Surface().DrawWidth(); });
}
HRESULT RegionContainerObject::put_DrawWidth(short value) noexcept {
  return Put("DrawWidth", [&] { Object().Surface().SetDrawWidth(value); });
}
HRESULT RegionContainerObject::get_DrawStyle(short* value) noexcept {
  return Get(value, [&] { return Object().Surface().DrawStyle(); });
}
HRESULT RegionContainerObject::put_DrawStyle(short value) noexcept {
  return Put("DrawStyle", [&] { Object().Surface().SetDrawStyle(value); });
}
HRESULT RegionContainerObject::get_DrawMode(short* value) noexcept {
  return Get(value, [&] { return Object().Surface().DrawMode(); });
}
HRESULT RegionContainerObject::put_DrawMode(short value) noexcept {
  return Put("DrawMode", [&] { Object().Surface().SetDrawMode(value); });
}
HRESULT RegionContainerObject::get_CurrentY(float* value) noexcept {
  return Get(value, [&] { return Object().Surface().CurrentY(); });
}
HRESULT RegionContainerObject::put_CurrentY(float value) noexcept {
  return Put("CurrentY", [&] { Object().Surface().SetCurrentY(value); });
}
HRESULT RegionContainerObject::get_CurrentX(float* value) noexcept {
  return Get(value, [&] { return Object().Surface().CurrentX(); });
}
HRESULT RegionContainerObject::put_CurrentX(float value) noexcept {
  return Put("CurrentX", [&] { Object().Surface().SetCurrentX(value); });
}
HRESULT RegionContainerObject::Cls() noexcept {
  return Run([&] { Object().Cls(); });
}
HRESULT RegionContainerObject::get_ClipControls(VARIANT_BOOL* value) noexcept {
  return Get(value, [&] { return VariantBool(Object().Surface().ClipControls()); });
}
HRESULT RegionContainerObject::Circle_(float X, float Y, float Radius, LONG Color, float StartPos, float EndPos,
                                       float Aspect) noexcept {
  return Run([&] { Object().Surface().Circle(X, Y, Radius, static_cast<OleColor>(Color), StartPos, EndPos, Aspect); });
}
HRESULT RegionContainerObject::get_AutoRedraw(VARIANT_BOOL* value) noexcept {
  return Get(value, [&] { return VariantBool(Object().Surface().AutoRedraw()); });
}
HRESULT RegionContainerObject::put_AutoRedraw(VARIANT_BOOL value) noexcept {
  return Put("AutoRedraw", [&] { Object().Surface().SetAutoRedraw(value != VARIANT_FALSE); });
}

}  // namespace regions
