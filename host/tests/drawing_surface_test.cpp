#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "host/drawing/drawing_surface.h"
#include "host/drawing/mouse_pointer.h"
#include "host/drawing/picture.h"
#include "host/forms/form.h"
#include "host/services/screen.h"
#include "host/testing/client_pixels.h"
#include "host/testing/event_text.h"
#include "host/testing/raised_error.h"
#include "host/tests/probe_control.h"
#include "host/usercontrol/design_time_host.h"
#include "host/win32/dc_scope.h"

namespace host {
namespace {

using testing::ClientPixels;
using testing::ErrorNumberOf;

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kRed = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kBlue = RGB(0x00, 0x00, 0xFF);
constexpr double kPi = std::numbers::pi;

// Counts its Paint events.
class Sketch : public testing_support::Probe {
 public:
  int paints = 0;

 protected:
  void UserControl_Paint() override { ++paints; }
};

// Repaints everything, as after the window was covered.
ClientPixels RepaintedWindow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return ClientPixels(window);
}

// A 200 x 150 pixel surface on white, measured in pixels.
class Canvas : public ::testing::Test {
 protected:
  void SetUp() override {
    designer.PlaceNew();
    Reset();
  }
  // Back to the start, for the next case of a table.
  void Reset() {
    DrawingSurface& s = surface();
    s.Scale().SetMode(vbPixels, s.ClientSize());
    s.SetAutoRedraw(false);
    s.SetFillStyle(vbFSTransparent);
    s.SetDrawWidth(1);
    s.SetDrawMode(vbCopyPen);
    s.SetBackColor(kWhite);
    s.SetForeColor(kRed);
    s.Cls();
  }
  DrawingSurface& surface() { return designer->Surface(); }
  ClientPixels Shown() {
    UpdateWindow(surface().hWnd());
    return ClientPixels(surface().hWnd());
  }
  ClientPixels Repainted() { return RepaintedWindow(surface().hWnd()); }

  DesignTimeHost<Sketch> designer;
};

ComPtr<IPictureDisp> SolidPicture(COLORREF color, SIZE size) {
  const WindowDC screen(nullptr);
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.dc(), size.cx, size.cy));
  {
    const UniqueDC memory(CreateCompatibleDC(screen.dc()));
    const SelectedObject selected(memory.get(), bitmap.get());
    const UniqueBrush brush(CreateSolidBrush(color));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(memory.get(), &all, brush.get());
  }
  return PictureFromBitmap(std::move(bitmap));
}

TEST_F(Canvas, PSetAndPointWorkInScaleUnits) {
  struct Case {
    const char* scale;
    std::function<void(DrawingSurface&)> setScale;
    Single x, y;
    POINT pixel;
  };
  const Case cases[] = {
      {"pixels", [](DrawingSurface&) {}, 30, 40, {30, 40}},
      {"user 100 x 75", [](DrawingSurface& s) { s.Scale().Scale(0, 0, 100, 75); }, 10, 20, {20, 40}},
      {"user, origin moved", [](DrawingSurface& s) { s.Scale().Scale(-50, -50, 50, 25); }, 0, 0, {100, 100}},
      {"twips",
       [](DrawingSurface& s) { s.Scale().SetMode(vbTwips, s.ClientSize()); },
       static_cast<Single>(50 * Screen().TwipsPerPixelX()),
       static_cast<Single>(60 * Screen().TwipsPerPixelY()),
       {50, 60}},
  };
  for (const Case& c : cases) {
    Reset();
    c.setScale(surface());
    surface().PSet(c.x, c.y, kBlue);
    EXPECT_EQ(Shown().At(c.pixel.x, c.pixel.y), kBlue) << c.scale;
    EXPECT_EQ(surface().Point(c.x, c.y), static_cast<Long>(kBlue)) << c.scale;
    EXPECT_EQ(surface().CurrentX(), c.x) << c.scale;
    EXPECT_EQ(surface().CurrentY(), c.y) << c.scale;
  }
  Reset();
  surface().PSet(5, 5);
  EXPECT_EQ(Shown().At(5, 5), kRed) << "the fore colour without a colour";
  EXPECT_EQ(surface().Point(-1, 5), -1);
  EXPECT_EQ(surface().Point(5, 150), -1);
}

TEST_F(Canvas, AWidePointIsARoundDotAndDrawModeCombines) {
  surface().SetDrawWidth(9);
  surface().PSet(50, 50, kBlue);
  const ClientPixels wide = Shown();
  EXPECT_EQ(wide.At(50, 46), kBlue);
  EXPECT_EQ(wide.At(53, 50), kBlue);
  EXPECT_EQ(wide.At(54, 54), kWhite) << "the corner of the square is outside the dot";
  surface().SetDrawWidth(1);
  surface().SetDrawMode(6);  // invert
  surface().PSet(10, 10, kBlue);
  EXPECT_EQ(Shown().At(10, 10), RGB(0, 0, 0)) << "white inverted";
}

struct CirclePixels {
  const char* what;
  std::optional<double> start, end, aspect;
  std::vector<POINT> drawn;
  std::vector<POINT> blank;
};

// Whether the colour shows at the point or a pixel next to it: a one-pixel
// outline passes within a pixel of where it is computed to.
bool ShowsNear(const ClientPixels& shown, POINT point, COLORREF color) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (shown.At(point.x + dx, point.y + dy) == color) return true;
    }
  }
  return false;
}

// Centre (100, 75), radius 40; (128, 47) and (72, 47) lie on the outline at
// 45 and 135 degrees.
TEST_F(Canvas, CircleDrawsArcsEllipsesAndRadiusLines) {
  const CirclePixels cases[] = {
      {"whole circle", {}, {}, {}, {{140, 75}, {60, 75}, {100, 35}, {100, 115}}, {{100, 75}}},
      {"upper right quarter", 0.0, kPi / 2, {}, {{139, 70}, {128, 47}, {110, 36}}, {{60, 75}, {100, 115}, {100, 75}}},
      {"pie from top to left",
       -kPi / 2,
       -kPi,
       {},
       {{72, 47}, {100, 75}, {100, 55}, {80, 75}},
       {{140, 75}, {120, 75}, {100, 95}, {128, 47}}},
      {"arc with one radius", -kPi / 2, kPi, {}, {{100, 55}, {72, 47}}, {{80, 75}, {140, 75}, {128, 47}}},
      {"flat ellipse", {}, {}, 0.5, {{140, 75}, {100, 55}}, {{100, 35}}},
      {"tall ellipse", {}, {}, 2.0, {{100, 35}, {80, 75}}, {{140, 75}}},
  };
  for (const CirclePixels& c : cases) {
    Reset();
    surface().Circle(100, 75, 40, kBlue, c.start, c.end, c.aspect);
    const ClientPixels shown = Shown();
    for (const POINT p : c.drawn) EXPECT_TRUE(ShowsNear(shown, p, kBlue)) << c.what << " at " << p.x << "," << p.y;
    for (const POINT p : c.blank) EXPECT_FALSE(ShowsNear(shown, p, kBlue)) << c.what << " at " << p.x << "," << p.y;
    EXPECT_EQ(surface().CurrentX(), 100.0f);
  }
}

TEST_F(Canvas, CircleFillsClosedFiguresWithTheFillStyle) {
  surface().SetFillStyle(vbFSSolid);
  surface().SetFillColor(RGB(0, 0x80, 0));
  surface().Circle(100, 75, 40, kBlue);
  surface().Circle(40, 40, 30, kBlue, -0.5, -kPi / 2);
  const ClientPixels shown = Shown();
  EXPECT_EQ(shown.At(100, 75), RGB(0, 0x80, 0));
  EXPECT_EQ(shown.At(50, 30), RGB(0, 0x80, 0)) << "inside the pie";
  EXPECT_EQ(shown.At(30, 50), kWhite) << "outside the pie";
  EXPECT_EQ(ErrorNumberOf([&] { surface().Circle(10, 10, 5, {}, 7.0); }), 5) << "beyond a full turn";
  EXPECT_EQ(ErrorNumberOf([&] { surface().Circle(10, 10, 5, {}, {}, {}, 0.0); }), 5);
}

TEST_F(Canvas, PrintWritesLinesAtTheCurrentPositionAndMovesIt) {
  surface().SetCurrentX(20);
  surface().SetCurrentY(10);
  surface().Print("Hello");
  const Single lineHeight = surface().TextHeight("Hello");
  EXPECT_GT(lineHeight, 0);
  EXPECT_EQ(surface().CurrentX(), 0.0f);
  EXPECT_EQ(surface().CurrentY(), 10 + lineHeight);
  EXPECT_GT(Shown().Count(kRed), 0) << "the text in the fore colour";

  surface().Print("two\r\nlines");
  EXPECT_EQ(surface().CurrentY(), 10 + 3 * lineHeight);
  surface().Print("ab", false);
  EXPECT_EQ(surface().CurrentX(), surface().TextWidth("ab"));
  EXPECT_EQ(surface().TextWidth("ab\r\nabcd"), surface().TextWidth("abcd"));
  EXPECT_EQ(surface().TextHeight("a\nb"), 2 * lineHeight);

  const Single pixelsWide = surface().TextWidth("Hello");
  surface().Scale().SetMode(vbTwips, surface().ClientSize());
  EXPECT_EQ(surface().TextWidth("Hello"), pixelsWide * static_cast<Single>(Screen().TwipsPerPixelX()));
}

TEST_F(Canvas, FontTransparentDecidesWhetherTheTextCellIsFilled) {
  for (const bool transparent : {true, false}) {
    Reset();
    const UniqueBrush blue(CreateSolidBrush(kBlue));
    const RECT band{0, 0, 200, 40};
    FillRect(surface().hDC(), &band, blue.get());
    surface().SetFontTransparent(transparent);
    surface().Print("MMMM");
    const ClientPixels shown = Shown();
    EXPECT_EQ(shown.Count(kWhite) > 200 * 110, !transparent) << "transparent " << transparent;
  }
}

TEST_F(Canvas, ClsClearsToTheBackgroundAndResetsThePosition) {
  surface().Circle(100, 75, 40, kBlue);
  surface().Cls();
  EXPECT_EQ(Shown().Count(kWhite), 200 * 150);
  EXPECT_EQ(surface().CurrentX(), 0.0f);
  EXPECT_EQ(surface().CurrentY(), 0.0f);
}

TEST_F(Canvas, AutoRedrawKeepsDrawingsAcrossRepaintsAndWithoutItTheyGo) {
  for (const bool autoRedraw : {true, false}) {
    Reset();
    designer->paints = 0;
    surface().SetAutoRedraw(autoRedraw);
    surface().PSet(20, 20, kBlue);
    surface().Circle(100, 75, 30, kBlue);
    surface().Print("text");
    EXPECT_EQ(Shown().At(20, 20), kBlue) << "autoRedraw " << autoRedraw;
    const ClientPixels repainted = Repainted();
    EXPECT_EQ(repainted.At(20, 20), autoRedraw ? kBlue : kWhite) << "autoRedraw " << autoRedraw;
    EXPECT_EQ(repainted.At(130, 75), autoRedraw ? kBlue : kWhite) << "autoRedraw " << autoRedraw;
    EXPECT_EQ(repainted.Count(kRed) > 0, autoRedraw) << "autoRedraw " << autoRedraw;
    EXPECT_EQ(designer->paints == 0, autoRedraw) << "Paint is raised only without AutoRedraw";
  }
}

TEST_F(Canvas, AutoRedrawSurvivesCoveringAndResizing) {
  surface().SetAutoRedraw(true);
  EXPECT_EQ(WindowFromDC(surface().hDC()), nullptr) << "hDC is the bitmap's";
  surface().PSet(20, 20, kBlue);
  surface().PSet(150, 120, kBlue);
  RECT onScreen{};
  GetWindowRect(surface().hWnd(), &onScreen);
  {
    const UniqueWindow cover(CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, onScreen.left,
                                             onScreen.top, 200, 150, nullptr, nullptr, nullptr, nullptr));
    UpdateWindow(cover.get());
  }
  EXPECT_EQ(Shown().At(20, 20), kBlue);
  SetWindowPos(surface().hWnd(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(surface().hWnd(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  const ClientPixels regrown = Repainted();
  EXPECT_EQ(regrown.At(20, 20), kBlue);
  EXPECT_EQ(regrown.At(150, 120), kBlue) << "shrinking cut nothing off";
  EXPECT_EQ(regrown.At(150, 100), kWhite);
}

TEST_F(Canvas, DrawingsOfAnEarlierAutoRedrawStayAsTheBackground) {
  surface().SetAutoRedraw(true);
  surface().PSet(20, 20, kBlue);
  surface().SetAutoRedraw(false);
  surface().PSet(40, 40, kBlue);
  surface().Cls();
  const ClientPixels cleared = Shown();
  EXPECT_EQ(cleared.At(20, 20), kBlue);
  EXPECT_EQ(cleared.At(40, 40), kWhite);
  surface().SetBackColor(RGB(0, 0x80, 0));
  EXPECT_EQ(Repainted().At(20, 20), RGB(0, 0x80, 0)) << "a new back colour clears everything";
}

TEST_F(Canvas, ImageIsACopyThatPaintPictureDrawsBack) {
  surface().SetAutoRedraw(true);
  surface().PSet(20, 20, kBlue);
  const ComPtr<IPictureDisp> image = surface().Image();
  surface().Cls();
  EXPECT_EQ(Shown().At(20, 20), kWhite);
  surface().PaintPicture(image.Get(), 0, 0);
  EXPECT_EQ(Shown().At(20, 20), kBlue);
  surface().Cls();
  surface().PaintPicture(image.Get(), 100, 0, 50, 50, 0, 0, 25, 25);
  const ClientPixels zoomed = Shown();
  EXPECT_EQ(zoomed.At(140, 40), kBlue) << "the source corner doubled";
  EXPECT_EQ(zoomed.At(20, 20), kWhite);
}

TEST_F(Canvas, PaintPictureCombinesBitmapsByTheOpcode) {
  struct Case {
    Long opcode;
    COLORREF expected;
  };
  const ComPtr<IPictureDisp> red = SolidPicture(kRed, {10, 10});
  for (const Case c : {Case{SRCCOPY, kRed}, Case{SRCINVERT, RGB(0, 0xFF, 0xFF)}, Case{SRCAND, kRed},
                       Case{static_cast<Long>(DSTINVERT), RGB(0, 0, 0)}}) {
    Reset();
    surface().PaintPicture(red.Get(), 5, 5, {}, {}, {}, {}, {}, {}, c.opcode);
    const ClientPixels shown = Shown();
    EXPECT_EQ(shown.At(9, 9), c.expected) << "opcode " << std::hex << c.opcode;
    EXPECT_EQ(shown.At(15, 15), kWhite) << "opcode " << std::hex << c.opcode;
  }
  EXPECT_EQ(ErrorNumberOf([&] { surface().PaintPicture(nullptr, 0, 0); }), 481);
}

TEST_F(Canvas, ThePictureIsTheBackgroundAtTheTopLeft) {
  surface().SetPicture(SolidPicture(kBlue, {10, 10}).Get());
  surface().PSet(30, 30, kRed);
  surface().Cls();
  const ClientPixels shown = Shown();
  EXPECT_EQ(shown.At(5, 5), kBlue);
  EXPECT_EQ(shown.At(30, 30), kWhite);
  EXPECT_EQ(shown.Count(kBlue), 100) << "drawn once, not tiled";

  surface().SetBackStyle(vbTransparent);
  surface().PSet(30, 30, kRed);
  EXPECT_EQ(Repainted().At(30, 30), kRed) << "a transparent surface erases nothing";
}

TEST_F(Canvas, InvalidPropertyValuesRaiseError380AndKeepTheValue) {
  struct Case {
    const char* property;
    std::function<void()> valid;
    std::function<void()> invalid;
  };
  DrawingSurface& s = surface();
  const Case cases[] = {
      {"FillStyle", [&] { s.SetFillStyle(7); }, [&] { s.SetFillStyle(8); }},
      {"DrawStyle", [&] { s.SetDrawStyle(6); }, [&] { s.SetDrawStyle(-1); }},
      {"DrawMode", [&] { s.SetDrawMode(16); }, [&] { s.SetDrawMode(0); }},
      {"DrawWidth", [&] { s.SetDrawWidth(1); }, [&] { s.SetDrawWidth(0); }},
      {"BackStyle", [&] { s.SetBackStyle(0); }, [&] { s.SetBackStyle(2); }},
      {"MousePointer", [&] { s.SetMousePointer(99); }, [&] { s.SetMousePointer(16); }},
      {"PaletteMode", [&] { s.SetPaletteMode(5); }, [&] { s.SetPaletteMode(6); }},
      {"FontSize", [&] { s.SetFontSize(12); }, [&] { s.SetFontSize(0); }},
      {"FillColor", [&] { s.SetFillColor(vbButtonFace); }, [&] { s.SetFillColor(0x05000000); }},
      {"MaskColor", [&] { s.SetMaskColor(kRed); }, [&] { s.SetMaskColor(0x800000FF); }},
      {"MouseIcon", [&] { s.SetMouseIcon(nullptr); },
       [&] {
         s.SetMouseIcon(SolidPicture(kRed, {4, 4}).Get());
       }},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorNumberOf(c.valid), 0) << c.property;
    EXPECT_EQ(ErrorNumberOf(c.invalid), 380) << c.property;
  }
  EXPECT_EQ(s.FillStyle(), 7);
  EXPECT_EQ(s.DrawWidth(), 1);
  EXPECT_EQ(s.MousePointer(), 99);
  EXPECT_EQ(s.FontSize(), 12.0f);
  EXPECT_EQ(s.ClipControls(), true);
}

TEST_F(Canvas, MousePointerChoosesTheCursorOverTheClientArea) {
  const auto cursorShown = [&] {
    SetCursor(nullptr);
    SendMessageA(surface().hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(surface().hWnd()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const std::pair<Integer, LPCSTR> standard[] = {{1, IDC_ARROW},  {2, IDC_CROSS}, {3, IDC_IBEAM},
                                                 {7, IDC_SIZENS}, {11, IDC_WAIT}, {13, IDC_APPSTARTING}};
  for (const auto& [pointer, cursor] : standard) {
    surface().SetMousePointer(pointer);
    EXPECT_EQ(cursorShown(), LoadCursorA(nullptr, cursor)) << "pointer " << pointer;
  }
  ICONINFO info{};
  info.fIcon = FALSE;
  const WindowDC screen(nullptr);
  const UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, nullptr));
  const UniqueBitmap color(CreateCompatibleBitmap(screen.dc(), 16, 16));
  info.hbmMask = mask.get();
  info.hbmColor = color.get();
  PICTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.picType = PICTYPE_ICON;
  description.icon.hicon = CreateIconIndirect(&info);
  ComPtr<IPictureDisp> icon;
  ASSERT_HRESULT_SUCCEEDED(
      OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(icon.GetAddressOf())));
  surface().SetMouseIcon(icon.Get());
  surface().SetMousePointer(vbCustom);
  EXPECT_EQ(cursorShown(), description.icon.hicon);
}

TEST_F(Canvas, TheFontObjectStaysOneObjectInStepWithTheFontMembers) {
  const ComPtr<IFontDisp> object = surface().FontObject();
  EXPECT_EQ(surface().FontObject().Get(), object.Get());
  surface().SetFontBold(true);
  surface().SetFontName("Courier New");
  ComPtr<IFont> font;
  ASSERT_HRESULT_SUCCEEDED(object.As(&font));
  BOOL bold = FALSE;
  font->get_Bold(&bold);
  EXPECT_TRUE(bold);

  font->put_Italic(TRUE);
  EXPECT_TRUE(surface().FontItalic()) << "a change through the object reaches the surface";
  LOGFONTA shown{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(surface().hWnd(), WM_GETFONT, 0, 0)), sizeof shown, &shown);
  EXPECT_TRUE(shown.lfItalic);
  EXPECT_EQ(shown.lfWeight, FW_BOLD);
  EXPECT_EQ(ErrorNumberOf([&] { surface().SetFontObject(nullptr); }), 380);
}

TEST_F(Canvas, ScaleXAndScaleYConvertFromHimetricToTheSurfaceUnitsUnlessTold) {
  const double pixelsPerInchX = 1440.0 / Screen().TwipsPerPixelX();
  EXPECT_NEAR(surface().ScaleX(2540), pixelsPerInchX, 1e-3);
  EXPECT_NEAR(surface().ScaleY(1440, vbTwips, vbInches), 1.0, 1e-6);
  surface().Scale().Scale(0, 0, 100, 75);
  EXPECT_NEAR(surface().ScaleX(100, vbUser, vbPixels), 200.0, 1e-3);
  EXPECT_NEAR(surface().ScaleY(150, vbPixels), 75.0, 1e-3);
  EXPECT_EQ(ErrorNumberOf([&] { surface().ScaleX(1, 11); }), 5);
}

TEST_F(Canvas, PopupMenuNeedsAMenu) {
  EXPECT_EQ(ErrorNumberOf([&] { surface().PopupMenu(HMENU{}); }), 5);
}

TEST(SurfaceControls, CountsAndIndexesTheWindowsPlacedInside) {
  testing_support::ProbeForm form;
  form.Load();
  const DrawingSurface& surface = form.Probe1->Surface();
  EXPECT_EQ(surface.ControlsCount(), 1);
  EXPECT_EQ(surface.Controls(0), form.Inside.hWnd());
  EXPECT_EQ(ErrorNumberOf([&] { surface.Controls(1); }), 9);
  EXPECT_EQ(form.Probe2->Surface().ControlsCount(), 0);
  form.Unload();
}

// A 200 x 150 pixel form on white with a red and blue picture, blue
// pens, red solid fills and AutoRedraw (forms/PaintForm.frm). It notes its
// mouse events.
class PaintForm : public Form {
 public:
  PaintForm() : Form("PaintForm") {}
  int paints = 0;
  std::vector<std::string> events;

 protected:
  void Form_Paint() override { ++paints; }
  void Form_Click() override { events.emplace_back("Click"); }
  void Form_DblClick() override { events.emplace_back("DblClick"); }
  void Form_MouseDown(Integer& Button, Integer& Shift, Single& X, Single& Y) override {
    events.push_back(testing::MouseEventText("MouseDown", Button, Shift, X, Y));
  }
  void Form_MouseMove(Integer& Button, Integer& Shift, Single& X, Single& Y) override {
    events.push_back(testing::MouseEventText("MouseMove", Button, Shift, X, Y));
  }
  void Form_MouseUp(Integer& Button, Integer& Shift, Single& X, Single& Y) override {
    events.push_back(testing::MouseEventText("MouseUp", Button, Shift, X, Y));
  }
};

TEST(FormSurface, TheDescriptionSetsItUpAndEachLoadStartsAfresh) {
  PaintForm form;
  DrawingSurface& loaded = form.Surface();
  EXPECT_EQ(loaded.MousePointer(), 2);
  EXPECT_EQ(form.ScaleWidth(), 200.0f);
  form.Show();
  loaded.Circle(100, 75, 30);
  const ClientPixels drawn = RepaintedWindow(form.hWnd());
  EXPECT_EQ(drawn.At(100, 75), kRed) << "filled in the fill colour";
  EXPECT_TRUE(ShowsNear(drawn, {130, 75}, kBlue)) << "outlined in the fore colour";
  EXPECT_EQ(drawn.At(1, 1), kRed) << "the picture at the top-left";
  EXPECT_EQ(drawn.At(190, 140), kWhite);
  EXPECT_EQ(form.paints, 0) << "AutoRedraw paints without the Paint event";

  form.SetForeColor(kRed);
  form.Unload();
  form.Show();
  EXPECT_EQ(form.ForeColor(), kBlue) << "the description's, not the last run's";
  EXPECT_EQ(RepaintedWindow(form.hWnd()).At(100, 75), kWhite) << "the drawings went with the window";
  form.Surface().SetAutoRedraw(false);
  RepaintedWindow(form.hWnd());
  EXPECT_GT(form.paints, 0) << "without AutoRedraw the form repaints in its Paint event";
  form.Unload();
}

// In the form's scale: a user scale of half the pixels.
TEST(FormSurface, MouseEventsComeInScaleUnitsAndClicksInTheClassicOrder) {
  PaintForm form;
  form.Show();
  form.Scale(0, 0, 100, 75);
  const HWND window = form.hWnd();
  const auto at = [](int x, int y) { return MAKELPARAM(x, y); };
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at(20, 40));
  SendMessageA(window, WM_LBUTTONUP, 0, at(20, 40));
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at(20, 40));
  EXPECT_EQ(GetCapture(), window) << "the second press of a double click holds the mouse too";
  SendMessageA(window, WM_LBUTTONUP, 0, at(20, 40));
  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, at(100, 60));
  EXPECT_EQ(GetCapture(), window) << "the form keeps the mouse while a button is down";
  SendMessageA(window, WM_MOUSEMOVE, MK_RBUTTON, at(40, 10));
  SendMessageA(window, WM_RBUTTONUP, 0, at(100, 60));
  EXPECT_NE(GetCapture(), window);
  EXPECT_EQ(form.events, (std::vector<std::string>{"MouseDown 1 0 10,20", "MouseUp 1 0 10,20", "Click", "DblClick",
                                                   "MouseUp 1 0 10,20", "MouseDown 2 1 50,30", "MouseMove 2 0 20,5",
                                                   "MouseUp 2 0 50,30"}));
  form.Unload();
}

}  // namespace
}  // namespace host
