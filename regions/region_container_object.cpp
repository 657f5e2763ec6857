// RegionContainer's served object: its shaping members, which run with
// errors ignored, and the members about the control itself.
#include "regions/region_container_object.h"

#include <string>

#include "host/activex/user_control_object.h"
#include "host/com/dispatch_call.h"
#include "host/runtime/error.h"
#include "regions/dispatch_values.h"
#include "regions/errors_ignored.h"
#include "regions/library_classes.h"

namespace regions {
namespace {

// A host's region handle, or null for none.
HRGN RegionOf(const host::Variant& handle) {
  if (handle.IsMissing()) return nullptr;
  return reinterpret_cast<HRGN>(static_cast<LONG_PTR>(handle.ToLong()));
}

RegionWhat CombineArgument(const VARIANT& rw) {
  const auto given = OptionalLong(rw);
  return given ? RegionWhat{*given} : RegionWhat::rOR;
}

}  // namespace

RegionContainerObject::RegionContainerObject()
    : ServedRegionControl(kRegionContainerClass, "Shapecraft.RegionContainer") {}

HRESULT RegionContainerObject::Refresh(VARIANT UseWindowRegionhandle) noexcept {
  ErrorsIgnored statement;
  HRGN handle = nullptr;
  statement([&] { handle = RegionOf(Given(UseWindowRegionhandle)); });
  Object().Shaping().Refresh(handle);
  return S_OK;
}
HRESULT RegionContainerObject::get_RegionMode(RegionHow* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().regionMode; });
}
HRESULT RegionContainerObject::put_RegionMode(RegionHow value) noexcept {
  return Put("RegionMode", [&] { Object().Shaping().SetRegionMode(value); });
}
HRESULT RegionContainerObject::get_BoxRoundedX(LONG* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().boxRoundedX; });
}
HRESULT RegionContainerObject::put_BoxRoundedX(LONG value) noexcept {
  return Put("BoxRoundedX", [&] { Object().Shaping().SetBoxRoundedX(value); });
}
HRESULT RegionContainerObject::get_BoxRoundedY(LONG* value) noexcept {
  return Get(value, [&] { return Object().Shaping().Settings().boxRoundedY; });
}
HRESULT RegionContainerObject::put_BoxRoundedY(LONG value) noexcept {
  return Put("BoxRoundedY", [&] { Object().Shaping().SetBoxRoundedY(value); });
}
HRESULT RegionContainerObject::ClearPolyRegion(VARIANT Index) noexcept {
  ErrorsIgnored statement;
  statement([&] { Object().Shaping().ClearPolyRegion(Given(Index)); });
  return S_OK;
}
HRESULT RegionContainerObject::Add2PolyRegion(float X, float Y) noexcept {
  Object().Shaping().Add2PolyRegion(X, Y);
  return S_OK;
}
// The control's copy of its shape (see ContainerShaping::RegionHandle).
HRESULT RegionContainerObject::get_RegionHandle(LONG* value) noexcept {
  return Get(value, [&] { return HandleNumber(Object().Shaping().RegionHandle()); });
}
// The user control itself, with the drawing members the interface leaves out.
HRESULT RegionContainerObject::get_ThisObject(IDispatch** value) noexcept {
  return OverSelf(value, host::UserControlObject);
}
HRESULT RegionContainerObject::ClearAddedRegions(VARIANT Index) noexcept {
  ErrorsIgnored statement;
  statement([&] { Object().Shaping().ClearAddedRegions(Given(Index)); });
  return S_OK;
}
HRESULT RegionContainerObject::AddEllipse(float* X1, float* Y1, float* X2, float* Y2, VARIANT Rw) noexcept {
  if (X1 == nullptr || Y1 == nullptr || X2 == nullptr || Y2 == nullptr) return E_POINTER;
  ErrorsIgnored statement;
  statement([&] { Object().Shaping().AddEllipse(*X1, *Y1, *X2, *Y2, CombineArgument(Rw)); });
  return S_OK;
}
HRESULT RegionContainerObject::AddRectangle(float* X1, float* Y1, float* X2, float* Y2, VARIANT Rw, VARIANT Xangle,
                                            VARIANT Yangle) noexcept {
  if (X1 == nullptr || Y1 == nullptr || X2 == nullptr || Y2 == nullptr) return E_POINTER;
  ErrorsIgnored statement;
  statement([&] {
    Object().Shaping().AddRectangle(*X1, *Y1, *X2, *Y2, CombineArgument(Rw), OptionalSingle(Xangle).value_or(0),
                                    OptionalSingle(Yangle).value_or(0));
  });
  return S_OK;
}
HRESULT RegionContainerObject::get_AddedRegionsCount(short* value) noexcept {
  return Get(value, [&] { return Object().Shaping().AddedRegionsCount(); });
}
HRESULT RegionContainerObject::get_AddedPolyCount(short* value) noexcept {
  return Get(value, [&] { return Object().Shaping().AddedPolyCount(); });
}
HRESULT RegionContainerObject::get_WidthInTwips(LONG* value) noexcept {
  return Get(value, [&] { return Object().Width(); });
}
HRESULT RegionContainerObject::get_HeightInTwips(LONG* value) noexcept {
  return Get(value, [&] { return Object().Height(); });
}

// The menu comes as any object with the hMenu of a popup menu; DefaultMenu
// is not shown in bold.
HRESULT RegionContainerObject::PopupMenu(IDispatch* Menu, VARIANT Flags, VARIANT X, VARIANT Y, VARIANT) noexcept {
  return Run([&] {
    if (Menu == nullptr) throw host::RuntimeError(host::error_number::InvalidCall);
    const auto menu = reinterpret_cast<HMENU>(static_cast<LONG_PTR>(host::GetProperty(*Menu, "hMenu").ToLong()));
    Object().Surface().PopupMenu(menu, OptionalLong(Flags), OptionalSingle(X), OptionalSingle(Y));
  });
}
HRESULT RegionContainerObject::get_Controls(IDispatch** value) noexcept {
  return OverSelf(value, host::ConstituentControlsObject);
}

}  // namespace regions
