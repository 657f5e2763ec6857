#pragma once

#include <windows.h>

#include "regions/region_container_control.h"
#include "regions/served_region_control.h"
#include "Regions.h"

namespace regions {

// RegionContainer as its hosts see it: the shaping members work on the
// control's ContainerShaping and run with errors ignored; the appearance
// members (region_container_appearance.cpp) forward to the user control and
// its drawing surface, passing its errors on. Every property write reports
// the property as changed.
class RegionContainerObject final : public ServedRegionControl<RegionContainerControl, _RegionContainer> {
 public:
  RegionContainerObject();

  HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Font(IFontDisp** value) noexcept override;
  HRESULT STDMETHODCALLTYPE putref_Font(IFontDisp* value) noexcept override;
  HRESULT STDMETHODCALLTYPE TextWidth(BSTR Str, float* width) noexcept override;
  HRESULT STDMETHODCALLTYPE TextHeight(BSTR Str, float* height) noexcept override;
  HRESULT STDMETHODCALLTYPE Size(float Width, float Height) noexcept override;
  HRESULT STDMETHODCALLTYPE ScaleY(float Height, VARIANT FromScale, VARIANT ToScale,
                                   float* converted) noexcept override;
  HRESULT STDMETHODCALLTYPE ScaleX(float Width, VARIANT FromScale, VARIANT ToScale, float* converted) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ScaleWidth(float* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_ScaleWidth(float value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ScaleTop(float* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_ScaleTop(float value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ScaleMode(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_ScaleMode(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ScaleLeft(float* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_ScaleLeft(float value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ScaleHeight(float* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_ScaleHeight(float value) noexcept override;
  HRESULT STDMETHODCALLTYPE Scale_(VARIANT X1, VARIANT Y1, VARIANT X2, VARIANT Y2) noexcept override;
  HRESULT STDMETHODCALLTYPE get_RightToLeft(VARIANT_BOOL* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_RightToLeft(VARIANT_BOOL value) noexcept override;
  HRESULT STDMETHODCALLTYPE PSet_(float X, float Y, LONG Color) noexcept override;
  HRESULT STDMETHODCALLTYPE PopupMenu(IDispatch* Menu, VARIANT Flags, VARIANT X, VARIANT Y,
                                      VARIANT DefaultMenu) noexcept override;
  HRESULT STDMETHODCALLTYPE Point(float X, float Y, LONG* color) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Picture(IPictureDisp** value) noexcept override;
  HRESULT STDMETHODCALLTYPE putref_Picture(IPictureDisp* value) noexcept override;
  HRESULT STDMETHODCALLTYPE PaintPicture(IPictureDisp* Picture, float X1, float Y1, VARIANT Width1, VARIANT Height1,
                                         VARIANT X2, VARIANT Y2, VARIANT Width2, VARIANT Height2,
                                         VARIANT Opcode) noexcept override;
  HRESULT STDMETHODCALLTYPE get_OLEDropMode(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_OLEDropMode(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE OLEDrag() noexcept override;
  HRESULT STDMETHODCALLTYPE get_MousePointer(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_MousePointer(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** value) noexcept override;
  HRESULT STDMETHODCALLTYPE putref_MouseIcon(IPictureDisp* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_MaskPicture(IPictureDisp** value) noexcept override;
  HRESULT STDMETHODCALLTYPE putref_MaskPicture(IPictureDisp* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_MaskColor(OLE_COLOR* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_MaskColor(OLE_COLOR value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Image(IPictureDisp** value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_hWnd(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_hdc(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_FontTransparent(VARIANT_BOOL* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_FontTransparent(VARIANT_BOOL value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_FillStyle(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_FillStyle(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_FillColor(OLE_COLOR* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_FillColor(OLE_COLOR value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_DrawWidth(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_DrawWidth(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_DrawStyle(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_DrawStyle(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_DrawMode(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_DrawMode(short value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_CurrentY(float* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_CurrentY(float value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_CurrentX(float* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_CurrentX(float value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Controls(IDispatch** value) noexcept override;
  HRESULT STDMETHODCALLTYPE Cls() noexcept override;
  HRESULT STDMETHODCALLTYPE get_ClipControls(VARIANT_BOOL* value) noexcept override;
  HRESULT STDMETHODCALLTYPE Circle_(float X, float Y, float Radius, LONG Color, float StartPos, float EndPos,
                                    float Aspect) noexcept override;
  HRESULT STDMETHODCALLTYPE get_AutoRedraw(VARIANT_BOOL* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_AutoRedraw(VARIANT_BOOL value) noexcept override;
  HRESULT STDMETHODCALLTYPE Refresh(VARIANT UseWindowRegionhandle) noexcept override;
  HRESULT STDMETHODCALLTYPE get_RegionMode(RegionHow* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_RegionMode(RegionHow value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_BoxRoundedX(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_BoxRoundedX(LONG value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_BoxRoundedY(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_BoxRoundedY(LONG value) noexcept override;
  HRESULT STDMETHODCALLTYPE ClearPolyRegion(VARIANT Index) noexcept override;
  HRESULT STDMETHODCALLTYPE Add2PolyRegion(float X, float Y) noexcept override;
  HRESULT STDMETHODCALLTYPE get_RegionHandle(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_ThisObject(IDispatch** value) noexcept override;
  HRESULT STDMETHODCALLTYPE ClearAddedRegions(VARIANT Index) noexcept override;
  HRESULT STDMETHODCALLTYPE AddEllipse(float* X1, float* Y1, float* X2, float* Y2, VARIANT Rw) noexcept override;
  HRESULT STDMETHODCALLTYPE AddRectangle(float* X1, float* Y1, float* X2, float* Y2, VARIANT Rw, VARIANT Xangle,
                                         VARIANT Yangle) noexcept override;
  HRESULT STDMETHODCALLTYPE get_AddedRegionsCount(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_AddedPolyCount(short* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_WidthInTwips(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_HeightInTwips(LONG* value) noexcept override;
};

}  // namespace regions
