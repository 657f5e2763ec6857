#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "host/activex/com_property_bag.h"
#include "host/com/com_ptr.h"
#include "host/container/activex_host.h"
#include "host/controls/command_button.h"
#include "host/forms/form.h"
#include "host/services/screen.h"
#include "host/testing/raised_error.h"
#include "host/testing/region_compare.h"
#include "host/testing/system_control_host.h"
#include "host/win32/unique_handle.h"
#include "regions/region_ids.h"

namespace regions {
namespace {

using host::ActiveXHost;
using host::ComPtr;
using host::Long;
using host::UniqueRgn;
using host::Variant;

// RegionsForm.frm: region containers of 1500 x 1500 twips (100 pixels) with
// stored shapes and scales, and one of the default size.
class RegionsForm : public host::Form {
 public:
  RegionsForm() : Form("RegionsForm") {
    Ellipse1.OnEvent("KeyPress", [this](std::vector<Variant>& arguments) {
      keysPressed.push_back(arguments[0].ToLong());
      arguments[0] = Variant(host::Integer{0});
    });
    Ellipse1.OnEvent("Resize", [this](std::vector<Variant>&) { ++resizes; });
  }
  std::vector<Long> keysPressed;
  int resizes = 0;

  ActiveXHost Ellipse1{*this, "Ellipse1"};
  ActiveXHost Block1{*this, "Block1"};
  ActiveXHost Rounded1{*this, "Rounded1"};
  ActiveXHost Lower1{*this, "Lower1"};
  ActiveXHost Scaled1{*this, "Scaled1"};
  ActiveXHost Unscaled1{*this, "Unscaled1"};
  ActiveXHost Default1{*this, "Default1"};
  host::CommandButton Inside1{*this, "Inside1"};
};

// HolesForm.frm: one transparent ellipse of 1500 x 750 twips on the form.
class HolesForm : public host::Form {
 public:
  HolesForm() : Form("HolesForm") {}
  ActiveXHost Hole1{*this, "Hole1"};
};

UniqueRgn Ellipse(int left, int top, int right, int bottom) {
  return UniqueRgn(CreateEllipticRgn(left, top, right, bottom));
}
UniqueRgn Rectangle(int left, int top, int right, int bottom) {
  return UniqueRgn(CreateRectRgn(left, top, right, bottom));
}
UniqueRgn Combined(UniqueRgn base, const UniqueRgn& added, int mode) {
  CombineRgn(base.get(), base.get(), added.get(), mode);
  return base;
}

HWND WindowOf(const ActiveXHost& control) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(control.Get("hWnd").ToLong()));
}

bool WindowShapeIs(HWND window, const UniqueRgn& expected) {
  UniqueRgn actual(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(window, actual.get()) != ERROR && host::testing::SameArea(actual.get(), expected.get());
}

class HostedRegions : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  void SetUp() override {
    ASSERT_EQ(host::Screen().TwipsPerPixelX(), 15);
    form_.Load();
  }
  void TearDown() override { form_.Unload(); }
  RegionsForm form_;
};

TEST_F(HostedRegions, StoredShapesShapeTheWindowsAtTheirFirstResize) {
  const struct {
    ActiveXHost& control;
    UniqueRgn expected;
  } cases[] = {
      {form_.Ellipse1, Ellipse(0, 0, 100, 100)},
      {form_.Block1, Rectangle(0, 0, 100, 100)},
      {form_.Rounded1, UniqueRgn(CreateRoundRectRgn(0, 0, 100, 100, 20, 40))},
      {form_.Lower1, Rectangle(0, 0, 100, 100)},
  };
  for (const auto& c : cases) EXPECT_TRUE(WindowShapeIs(WindowOf(c.control), c.expected)) << c.control.Name();
}

// ScaleMode is read after the scale values: a stored user scale stays, and
// scale values stored without a mode give way to the default twips.
TEST_F(HostedRegions, StoredValuesAreReadWithTheirDefaults) {
  const struct {
    ActiveXHost& control;
    const char* property;
    double expected;
  } cases[] = {
      {form_.Ellipse1, "RegionMode", 0},      {form_.Ellipse1, "BoxRoundedX", 500},
      {form_.Ellipse1, "BoxRoundedY", 500},   {form_.Rounded1, "BoxRoundedY", 600},
      {form_.Lower1, "RegionMode", 1},        {form_.Scaled1, "ScaleMode", 0},
      {form_.Scaled1, "ScaleWidth", 4},       {form_.Scaled1, "ScaleHeight", 4},
      {form_.Unscaled1, "ScaleMode", 1},      {form_.Unscaled1, "ScaleWidth", 1500},
      {form_.Rounded1, "WidthInTwips", 1500}, {form_.Default1, "HeightInTwips", 2880},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.control.Get(c.property).ToDouble(), c.expected) << c.control.Name() << "." << c.property;
  }
}

// Scaled1's scale is 4 x 4 units, 25 pixels each, read through the extender.
TEST_F(HostedRegions, AddedShapesInScaleUnitsCombineAtRefresh) {
  const Variant one(1.0), two(2.0), three(3.0), zero(0.0);
  const struct {
    const char* what;
    std::function<void(ActiveXHost&)> add;
    UniqueRgn expected;
  } cases[] = {
      {"a rounded hole, rDIFF",
       [&](ActiveXHost& c) {
         c.Call("AddRectangle", {one, one, three, three, Variant(Long{3}), Variant(400.0), Variant(400.0)});
       },
       Combined(Ellipse(0, 0, 100, 100), UniqueRgn(CreateRoundRectRgn(25, 25, 75, 75, 27, 27)), RGN_DIFF)},
      {"an ellipse, Rw omitted: united",
       [&](ActiveXHost& c) {
         c.Call("AddEllipse", {zero, zero, two, two});
       },
       Combined(Ellipse(0, 0, 100, 100), Ellipse(0, 0, 50, 50), RGN_OR)},
      {"rCOPY leaves the base",
       [&](ActiveXHost& c) {
         c.Call("AddEllipse", {zero, zero, two, two, Variant(Long{4})});
       },
       Ellipse(0, 0, 100, 100)},
  };
  for (const auto& c : cases) {
    form_.Scaled1.Call("ClearAddedRegions");
    UniqueRgn before(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(WindowOf(form_.Scaled1), before.get());
    c.add(form_.Scaled1);
    EXPECT_EQ(form_.Scaled1.Get("AddedRegionsCount").ToLong(), 1) << c.what;
    EXPECT_TRUE(WindowShapeIs(WindowOf(form_.Scaled1), before)) << c.what << ": not before Refresh";
    form_.Scaled1.Call("Refresh");
    EXPECT_TRUE(WindowShapeIs(WindowOf(form_.Scaled1), c.expected)) << c.what;
  }
}

// The host combines from RegionHandle into a region of its own and hands
// that to Refresh; the control's handle stays valid for the next time.
TEST_F(HostedRegions, AHostCombinesFromRegionHandleAndRefreshesWithItsRegion) {
  for (int round = 0; round < 2; ++round) {
    const Long handle = form_.Block1.Get("RegionHandle").ToLong();
    UniqueRgn hostRegion = Rectangle(0, 0, 0, 0);
    ASSERT_NE(CombineRgn(hostRegion.get(), reinterpret_cast<HRGN>(static_cast<LONG_PTR>(handle)),
                         Ellipse(20, 20, 80, 80).get(), RGN_DIFF),
              ERROR)
        << round;
    const Long given = static_cast<Long>(reinterpret_cast<LONG_PTR>(hostRegion.release()));
    form_.Block1.Call("Refresh", {Variant(given)});
    EXPECT_TRUE(
        WindowShapeIs(WindowOf(form_.Block1), Combined(Rectangle(0, 0, 100, 100), Ellipse(20, 20, 80, 80), RGN_DIFF)));
    EXPECT_EQ(form_.Block1.Get("RegionHandle").ToLong(), handle);
  }
}

TEST_F(HostedRegions, AResizeRaisesResizeThenReshapesToTheNewSize) {
  const int before = form_.resizes;
  form_.Ellipse1.Call("Move", {Variant(Long{150}), Variant(Long{150}), Variant(Long{3000}), Variant(Long{1500})});
  EXPECT_EQ(form_.resizes, before + 1);
  EXPECT_TRUE(WindowShapeIs(WindowOf(form_.Ellipse1), Ellipse(0, 0, 200, 100)));
}

TEST_F(HostedRegions, KeyPressReachesTheHostWhoseAnswerGoesBack) {
  SendMessageA(WindowOf(form_.Ellipse1), WM_CHAR, 'a', 1);
  EXPECT_EQ(form_.keysPressed, std::vector<Long>{'a'});
}

// ThisObject is the user control itself: Print and the print position are
// its own; every other name is the control's.
TEST_F(HostedRegions, ThisObjectPrintsOnTheControlAndAnswersTheRestAsTheControl) {
  ComPtr<IDispatch> inner;
  inner.Attach(form_.Block1.Get("ThisObject").ToObject());
  ASSERT_TRUE(inner);
  host::CallMethod(*inner.Get(), "Print", {Variant("Tuesday"), Variant(" 12:00")});
  EXPECT_GT(host::GetProperty(*inner.Get(), "CurrentY").ToDouble(), 0) << "a line down";
  EXPECT_EQ(host::GetProperty(*inner.Get(), "HeightInTwips").ToLong(), 1500);
  EXPECT_EQ(host::testing::ErrorNumberOf([&] { host::GetProperty(*inner.Get(), "NoSuchMember"); }), 438);
}

// The form measures in points from (10, 20); an inch (2540 HIMETRIC) is 72 points.
TEST_F(HostedRegions, ScaleXAndScaleYReachTheFormsUnitsThroughItsSite) {
  form_.SetScaleMode(host::vbPoints);
  form_.SetScaleLeft(10);
  form_.SetScaleTop(20);
  const auto scaled = [&](const char* member, double length, host::Integer from, host::Integer to) {
    return form_.Scaled1.Call(member, {Variant(length), Variant(from), Variant(to)}).ToDouble();
  };
  EXPECT_NEAR(scaled("ScaleX", 2540, host::vbHimetric, host::vbContainerSize), 72, 0.01);
  EXPECT_NEAR(scaled("ScaleY", 2540, host::vbHimetric, host::vbContainerPosition), 92, 0.01);
  EXPECT_NEAR(scaled("ScaleX", 82, host::vbContainerPosition, host::vbHimetric), 2540, 1);
}

TEST_F(HostedRegions, ControlsListsTheControlsPlacedInside) {
  const auto controlsOf = [](const ActiveXHost& control) {
    ComPtr<IDispatch> controls;
    controls.Attach(control.Get("Controls").ToObject());
    return controls;
  };
  EXPECT_EQ(host::GetProperty(*controlsOf(form_.Block1).Get(), "Count").ToLong(), 0);
  const ComPtr<IDispatch> inside = controlsOf(form_.Default1);
  ASSERT_EQ(host::GetProperty(*inside.Get(), "Count").ToLong(), 1);
  ComPtr<IDispatch> first;
  first.Attach(host::CallMethod(*inside.Get(), "Item", {Variant(Long{0})}).ToObject());
  EXPECT_EQ(host::GetProperty(*first.Get(), "hWnd").ToLong(),
            static_cast<Long>(reinterpret_cast<LONG_PTR>(form_.Inside1.hWnd())));
  EXPECT_EQ(host::testing::ErrorNumberOf([&] { host::CallMethod(*inside.Get(), "Item", {Variant(Long{1})}); }), 9);
}

// Saved through the control's IPropertyBag persistence, as a designer saves it.
ComPtr<host::ComPropertyBag> Saved(IUnknown& control) {
  ComPtr<IPersistPropertyBag> persisted;
  EXPECT_EQ(control.QueryInterface(IID_PPV_ARGS(&persisted)), S_OK);
  ComPtr<host::ComPropertyBag> bag;
  bag.Attach(new host::ComPropertyBag(host::PropertyBag()));
  EXPECT_EQ(persisted->Save(bag.Get(), TRUE, TRUE), S_OK);
  return bag;
}

std::set<std::string> KeysOf(const host::ComPropertyBag& bag) {
  std::set<std::string> keys;
  for (const auto& setting : bag.Bag().Block().settings) keys.insert(setting.key);
  for (const auto& group : bag.Bag().Block().groups) keys.insert(group.name);
  return keys;
}

// FontSize and FontName have defaults (0, "") that no font has.
TEST_F(HostedRegions, AControlWithDefaultValuesSavesOnlyTheFontKeysNoFontMatches) {
  EXPECT_EQ(KeysOf(*Saved(*form_.Default1.ControlObject()).Get()), (std::set<std::string>{"FontName", "FontSize"}));
}

TEST_F(HostedRegions, SavedValuesLoadIntoANewControl) {
  form_.Scaled1.Put("RegionMode", Variant(Long{2}));
  form_.Scaled1.Put("BoxRoundedX", Variant(Long{300}));
  form_.Scaled1.Put("BackColor", Variant(Long{0x808080}));
  form_.Scaled1.Put("DrawWidth", Variant(Long{3}));
  PICTDESC bitmap{};
  bitmap.cbSizeofstruct = sizeof(PICTDESC);
  bitmap.picType = PICTYPE_BITMAP;
  bitmap.bmp.hbitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  ComPtr<IDispatch> picture;
  ASSERT_EQ(OleCreatePictureIndirect(&bitmap, IID_IDispatch, TRUE, reinterpret_cast<void**>(picture.GetAddressOf())),
            S_OK);
  form_.Scaled1.Put("Picture", Variant(picture.Get()));
  const ComPtr<host::ComPropertyBag> bag = Saved(*form_.Scaled1.ControlObject());
  ComPtr<IDispatch> copy;
  ASSERT_EQ(CoCreateInstance(kRegionContainerClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&copy)), S_OK);
  ComPtr<IPersistPropertyBag> persisted;
  ASSERT_EQ(copy.As(&persisted), S_OK);
  ASSERT_EQ(persisted->Load(bag.Get(), nullptr), S_OK);
  for (const char* property : {"RegionMode", "BoxRoundedX", "BoxRoundedY", "BackColor", "DrawWidth", "ScaleMode",
                               "ScaleWidth", "ScaleHeight"}) {
    EXPECT_EQ(host::GetProperty(*copy.Get(), property).ToString(), form_.Scaled1.Get(property).ToString()) << property;
  }
  const auto fontName = [](const Variant& font) {
    ComPtr<IDispatch> object;
    object.Attach(font.ToObject());
    return host::GetProperty(*object.Get(), "Name").ToString();
  };
  EXPECT_EQ(fontName(host::GetProperty(*copy.Get(), "Font")), fontName(form_.Scaled1.Get("Font")));
  EXPECT_EQ(host::GetProperty(*copy.Get(), "Picture").Type(), VT_DISPATCH);
  EXPECT_NE(host::GetProperty(*copy.Get(), "Picture").get()->pdispVal, nullptr) << "the picture object travels";
}

// A container without ambients or extender: the default shape, an ellipse,
// at the size the container gives, with added shapes in twips.
TEST(ForeignContainer, TheSystemsControlHostWindowHoldsACircularRegionContainer) {
  OleInitialize(nullptr);
  const host::testing::SystemControlHost box(L"Shapecraft.RegionContainer", 90, 90);
  ASSERT_NE(box.Control(), nullptr);
  EXPECT_TRUE(WindowShapeIs(box.ControlWindow(), Ellipse(0, 0, 90, 90)));
  ComPtr<IDispatch> control;
  ASSERT_EQ(box.Control()->QueryInterface(IID_PPV_ARGS(&control)), S_OK);
  host::CallMethod(*control.Get(), "AddEllipse",
                   {Variant(0.0), Variant(0.0), Variant(450.0), Variant(450.0), Variant(Long{3})});
  host::CallMethod(*control.Get(), "Refresh");
  EXPECT_TRUE(WindowShapeIs(box.ControlWindow(), Combined(Ellipse(0, 0, 90, 90), Ellipse(0, 0, 30, 30), RGN_DIFF)));
}

TEST(HostedTransparent, CutsItsShapeOutOfTheFormAtItsOffsetFromTheFormsWindow) {
  OleInitialize(nullptr);
  HolesForm form;
  form.Load();
  UniqueRgn loaded(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(form.hWnd(), loaded.get()), ERROR) << "the holes wait for Show";
  form.Show();
  RECT formRect{};
  RECT holeRect{};
  GetWindowRect(form.hWnd(), &formRect);
  GetWindowRect(WindowOf(form.Hole1), &holeRect);
  const int dx = holeRect.left - formRect.left;
  const int dy = holeRect.top - formRect.top;
  // Around the control: the form's region there is the area minus the ellipse.
  const UniqueRgn area = Rectangle(dx - 10, dy - 10, dx + 110, dy + 60);
  UniqueRgn shown(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(form.hWnd(), shown.get()), ERROR);
  CombineRgn(shown.get(), shown.get(), area.get(), RGN_AND);
  EXPECT_TRUE(host::testing::SameArea(
      shown.get(),
      Combined(Rectangle(dx - 10, dy - 10, dx + 110, dy + 60), Ellipse(dx, dy, dx + 100, dy + 50), RGN_DIFF).get()));
  for (const char* property : {"RegionMode", "WhatTransparent", "BoxRoundedX", "BoxRoundedY"}) {
    EXPECT_EQ(host::testing::ErrorNumberOf([&] { form.Hole1.Put(property, Variant(Long{1})); }), 383) << property;
  }
  form.Unload();
}

}  // namespace
}  // namespace regions
