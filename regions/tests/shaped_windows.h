#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string>
#include <vector>

#include "host/runtime/types.h"
#include "host/win32/unique_handle.h"
#include "regions/control_window.h"

namespace regions::testing {

// A window's region as GetWindowRgn reads it; empty when it has none.
host::UniqueRgn WindowRegion(HWND window);

// The size and scale a scale source reports, in its properties' units.
struct ScaleGeometry {
  double widthInTwips = 0;
  double heightInTwips = 0;
  double scaleWidth = 0;
  double scaleHeight = 0;
};

// A late-bound scale source, as a control's extender is one: WidthInTwips,
// HeightInTwips, ScaleWidth and ScaleHeight read from `geometry`. It notes
// the names read, in order; any other name is unknown to it.
class ScaleSource final : public IDispatch {
 public:
  explicit ScaleSource(const ScaleGeometry& geometry) : geometry_(geometry) {}
  std::vector<std::string> reads;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  // Lives on the test's stack: no reference counting.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) override;

 private:
  const ScaleGeometry& geometry_;
};

// A top-level popup of the given size in pixels, shown without activation.
host::UniqueWindow PopupWindow(int width, int height);

// RegionContainer's control: a window of its own, a size in twips, a scale.
class ContainerControl final : public ShapedControl {
 public:
  // 15 twips per pixel: the size in twips gives a window of size / 15 pixels.
  ContainerControl(host::Long widthTwips, host::Long heightTwips, host::Single scaleWidth, host::Single scaleHeight);

  HWND hWnd() const override { return window_.get(); }
  host::Long Width() const override { return static_cast<host::Long>(geometry_.widthInTwips); }
  host::Long Height() const override { return static_cast<host::Long>(geometry_.heightInTwips); }
  host::Single ScaleWidth() const override { return static_cast<host::Single>(geometry_.scaleWidth); }
  host::Single ScaleHeight() const override { return static_cast<host::Single>(geometry_.scaleHeight); }
  host::ComPtr<IDispatch> ScaleSource() const override { return &scaleSource_; }

  void SetScale(host::Single width, host::Single height) {
    geometry_.scaleWidth = width;
    geometry_.scaleHeight = height;
  }

 private:
  ScaleGeometry geometry_;
  mutable testing::ScaleSource scaleSource_{geometry_};
  host::UniqueWindow window_;
};

// RegionTransparent's control: a child window placed on a container window,
// at run time or in a designer.
class TransparentControlWindow final : public TransparentControl {
 public:
  TransparentControlWindow(HWND container, RECT clientPixels, bool userMode = true);

  HWND hWnd() const override { return window_.get(); }
  host::Long Width() const override;
  host::Long Height() const override;
  bool UserMode() const override { return userMode_; }
  HWND ContainerWindow() const override { return containerKnown ? container_ : nullptr; }

  // A container whose window cannot be read yet answers null.
  bool containerKnown = true;

 private:
  HWND container_;
  bool userMode_;
  host::UniqueWindow window_;
};

}  // namespace regions::testing
