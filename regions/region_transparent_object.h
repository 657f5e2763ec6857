#pragma once

#include <windows.h>

#include "regions/region_transparent_control.h"
#include "regions/served_region_control.h"
#include "Regions.h"

namespace regions {

// RegionTransparent as its hosts see it. Its shape is set at design time
// only: the shaping properties raise error 383 at run time.
class RegionTransparentObject final : public ServedRegionControl<RegionTransparentControl, _RegionTransparent> {
 public:
  RegionTransparentObject();

  HRESULT STDMETHODCALLTYPE get_hWnd(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR value) noexcept override;
  HRESULT STDMETHODCALLTYPE Cls() noexcept override;
  HRESULT STDMETHODCALLTYPE get_hdc(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_RegionMode(RegionTransparentHow* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_RegionMode(RegionTransparentHow value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_WhatTransparent(RegionWhatTransparent* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_WhatTransparent(RegionWhatTransparent value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_BoxRoundedX(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_BoxRoundedX(LONG value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_BoxRoundedY(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE put_BoxRoundedY(LONG value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_WidthInTwips(LONG* value) noexcept override;
  HRESULT STDMETHODCALLTYPE get_HeightInTwips(LONG* value) noexcept override;
};

}  // namespace regions
