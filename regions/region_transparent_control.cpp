#include "regions/region_transparent_control.h"

#include <vector>

#include "host/com/dispatch_call.h"
#include "host/runtime/color.h"
#include "host/runtime/error.h"
#include "regions/event_arguments.h"
#include "regions/stored_keys.h"

namespace regions {
namespace {

using host::Boolean;
using host::Long;

inline constexpr DISPID kResizeEvent = 1;

// The keys in the order they are written and read.
std::vector<StoredKey> KeysOf(RegionTransparentControl& c) {
  const auto shape = [&c](auto change) {
    TransparentShapeSettings settings = c.Shaping().Settings();
    change(settings);
    c.Shaping().Restore(settings);
  };
  return {
      Stored<Long>(
          "WhatTransparent", 1, [&] { return static_cast<Long>(c.Shaping().Settings().whatTransparent); },
          [=](Long v) {
            shape([&](TransparentShapeSettings& settings) { settings.whatTransparent = RegionWhatTransparent{v}; });
          }),
      Stored<host::OleColor>(
          "BackColor", host::vbButtonFace, [&] { return c.BackColor(); }, [&](host::OleColor v) { c.SetBackColor(v); }),
      Stored<Long>(
          "RegionMode", 0, [&] { return static_cast<Long>(c.Shaping().Settings().regionMode); },
          [=](Long v) {
            shape([&](TransparentShapeSettings& settings) { settings.regionMode = RegionTransparentHow{v}; });
          }),
      Stored<Long>(
          "BoxRoundedX", 500, [&] { return c.Shaping().Settings().boxRoundedX; },
          [=](Long v) { shape([&](TransparentShapeSettings& settings) { settings.boxRoundedX = v; }); }),
      Stored<Long>(
          "BoxRoundedY", 500, [&] { return c.Shaping().Settings().boxRoundedY; },
          [=](Long v) { shape([&](TransparentShapeSettings& settings) { settings.boxRoundedY = v; }); }),
      Stored<Boolean>(
          "Enabled", host::True, [&] { return Boolean(c.Enabled()); },
          [&](Boolean v) { c.SetEnabled(v == host::True); }),
  };
}

}  // namespace

// Container.hWnd, read by name through the extender.
HWND RegionTransparentControl::ContainerWindow() const {
  if (server_ == nullptr) return nullptr;
  const host::ComPtr<IDispatch> extender = server_->ExtenderObject();
  host::ComPtr<IDispatch> container;
  container.Attach(host::GetProperty(*extender.Get(), "Container").ToObject());
  if (!container) throw host::RuntimeError(host::error_number::ObjectRequired);
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(host::GetProperty(*container.Get(), "hWnd").ToLong()));
}

void RegionTransparentControl::UserControl_ReadProperties(const host::PropertyBag& PropBag) {
  ReadKeys(KeysOf(*this), PropBag);
}

void RegionTransparentControl::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  WriteKeys(KeysOf(*this), PropBag);
}

void RegionTransparentControl::UserControl_Resize() {
  {
    ErrorsIgnored statement;
    statement([&] { RaiseByReference(server_, kResizeEvent); });
  }
  shaping_.Resize();
}

}  // namespace regions
