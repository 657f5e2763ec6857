#include "regions/region_transparent_object.h"

#include "regions/dispatch_values.h"
#include "regions/library_classes.h"

namespace regions {

RegionTransparentObject::RegionTransparentObject()
    : ServedRegionControl(kRegionTransparentClass, "Shapecraft.RegionTransparent") {}

HRESULT RegionTransparentObject::get_hWnd(LONG* value) noexcept {
  return Get(value, [&] { return HandleNumber(Object().hWnd()); });
}
HRESULT RegionTransparentObject::get_Enabled(VARIANT_BOOL* value) noexcept {
  return Get(value, [&] { return VariantBool(Object().Enabled()); });
}
HRESULT RegionTransparentObject::put_Enabled(VARIANT_BOOL value) noexcept {
  return Put("Enabled", [&] { Object().SetEnabled(value != VARIANT_FALSE); });
}
HRESULT RegionTransparentObject::get_BackColor(OLE_COLOR* value) noexcept {
  return Get(value, [&] { return Object().BackColor(); });
}
HRESULT RegionTransparentObject::put_BackColor(OLE_COLOR value) noexcept {
  return Put("BackColor", [&] { Object().SetBackColor(value); });
}
HRESULT RegionTransparentObject::Cls() noexcept {
  return Run([&] { Object().Cls(); });
}
HRESULT RegionTransparentObject::get_hdc(LONG* value) noexcept {
  return Get(value, [&] { return HandleNumber(Object().hDC()); });
}
HRESULT RegionTransparentObject::get_RegionMode(RegionTransparentHow* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().regionMode; });
}
HRESULT RegionTransparentObject::put_RegionMode(RegionTransparentHow value) noexcept {
  return Put("RegionMode", [&] { Object().Shaping().SetRegionMode(value); });
}
HRESULT RegionTransparentObject::get_WhatTransparent(RegionWhatTransparent* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().whatTransparent; });
}
HRESULT RegionTransparentObject::put_WhatTransparent(RegionWhatTransparent value) noexcept {
  return Put("WhatTransparent", [&] { Object().Shaping().SetWhatTransparent(value); });
}
HRESULT RegionTransparentObject::get_BoxRoundedX(LONG* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().boxRoundedX; });
}
HRESULT RegionTransparentObject::put_BoxRoundedX(LONG value) noexcept {
  return Put("BoxRoundedX", [&] { Object().Shaping().SetBoxRoundedX(value); });
}
HRESULT RegionTransparentObject::get_BoxRoundedY(LONG* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().boxRoundedY; });
}
HRESULT RegionTransparentObject::put_BoxRoundedY(LONG value) noexcept {
  return Put("BoxRoundedY", [&] { Object().Shaping().SetBoxRoundedY(value); });
}
HRESULT RegionTransparentObject::get_WidthInTwips(LONG* value) noexcept {
  return Get(value, [&] { return Object().Width(); });
}
HRESULT RegionTransparentObject::get_HeightInTwips(LONG* value) noexcept {
  return Get(value, [&] { return Object().Height(); });
}

}  // namespace regions
