#include "shapetrial/form1.h"

#include <array>
#include <string>
#include <vector>

#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"
#include "host/com/variant.h"
#include "host/runtime/date.h"

namespace shapetrial {
namespace {

using host::ActiveXHost;
using host::Integer;
using host::Long;
using host::Single;
using host::Variant;

// Option1(0) to (3): ellipse, block, rounded, polygon.
constexpr Integer kShapeOptions = 4;

// RegionWhat values, as the controls' type library numbers them.
constexpr Long rOR = 0;
constexpr Long rXOR = 2;
constexpr Long rDIFF = 3;

constexpr Integer vbLeftButton = 1;

// Colours 9 to 15 of the classic 16-colour palette, full intensity, 0x00BBGGRR.
constexpr std::array<Long, 7> kBrightColors{0x00FF0000, 0x0000FF00, 0x00FFFF00, 0x000000FF,
                                            0x00FF00FF, 0x0000FFFF, 0x00FFFFFF};

Single SingleOf(const ActiveXHost& control, const char* property) {
  return static_cast<Single>(control.Get(property).ToDouble());
}

// A control event's (Button, Shift, X, Y), for the typed handlers.
template <typename Handler>
host::ActiveXEventHandler MouseHandler(Handler handler) {
  return [handler](std::vector<Variant>& arguments) {
    handler(static_cast<Integer>(arguments[0].ToLong()), static_cast<Integer>(arguments[1].ToLong()),
            static_cast<Single>(arguments[2].ToDouble()), static_cast<Single>(arguments[3].ToDouble()));
  };
}

}  // namespace

Form1::Form1() : Form("Form1") {
  Option1.On(&host::OptionButton::Click, [this](Integer Index) { Option1_Click(Index); });
  Check1.Click.Connect([this] { Check1_Click(); });
  Timer1.Timer.Connect([this] { Timer1_Timer(); });
  Command1.Click.Connect([this] { Command1_Click(); });
  Command2.Click.Connect([this] { Command2_Click(); });
  RegionContainer1.OnEvent("MouseUp", MouseHandler([this](Integer Button, Integer Shift, Single X, Single Y) {
                             RegionContainer1_MouseUp(Button, Shift, X, Y);
                           }));
  RegionContainer2.OnEvent("MouseUp", MouseHandler([this](Integer Button, Integer Shift, Single X, Single Y) {
                             RegionContainer2_MouseUp(Button, Shift, X, Y);
                           }));
  RegionContainer2.OnEvent("Paint", [this](std::vector<Variant>&) { RegionContainer2_Paint(); });
  RegionTransparent2.ForEachCreated([this](ActiveXHost& element) {
    element.OnEvent("Resize", [this](std::vector<Variant>& arguments) {
      RegionTransparent2_Resize(static_cast<Integer>(arguments[0].ToLong()));
    });
  });
}

void Form1::Form_Load() {
  // The triangle the "Poly" option shows, in the stored twips scale.
  RegionContainer2.Call("ClearPolyRegion");
  RegionContainer2.Call("Add2PolyRegion", {Variant(100.0), Variant(0.0)});
  RegionContainer2.Call("Add2PolyRegion", {Variant(1200.0), Variant(0.0)});
  RegionContainer2.Call("Add2PolyRegion", {Variant(1300.0), Variant(1300.0)});

  RegionTransparent2_Resize(1);

  // Hexagons with vertical sides on a 4 x 4 scale, one colour each.
  for (Integer i = 0; i <= 6; ++i) {
    const ActiveXHost& hexagon = RegionContainer4(i);
    hexagon.Put("ScaleHeight", Variant(Long{4}));
    hexagon.Put("ScaleWidth", Variant(Long{4}));
    hexagon.Put("BackColor", Variant(kBrightColors[i]));
    const double sw = SingleOf(hexagon, "ScaleWidth");
    const double sh = SingleOf(hexagon, "ScaleHeight");
    const double corners[][2] = {{sw / 2, 0},  {sw, sh * 0.25}, {sw, sh * 0.75},
                                 {sw / 2, sh}, {0, sh * 0.75},  {0, sh * 0.25}};
    for (const auto& [x, y] : corners) hexagon.Call("Add2PolyRegion", {Variant(x), Variant(y)});
    hexagon.Call("Refresh");
  }
}

void Form1::Option1_Click(Integer Index) { RegionContainer2.Put("RegionMode", Variant(Long{Index})); }

void Form1::Check1_Click() { Timer1.SetEnabled(Check1.Value() != 0); }

// One step round ellipse, block, rounded, polygon; nothing while none is selected.
void Form1::Timer1_Timer() {
  for (Integer i = 0; i < kShapeOptions; ++i) {
    if (Option1(i).Value()) {
      Option1(static_cast<Integer>(i == kShapeOptions - 1 ? 0 : i + 1)).SetValue(true);
      return;
    }
  }
}

void Form1::Command1_Click() { form2.Show(); }

void Form1::Command2_Click() {
  RegionContainer1.Call("ClearAddedRegions");
  RegionContainer1.Call("Refresh");
}

// Each left click toggles an ellipse a fifth of the control's size.
void Form1::RegionContainer1_MouseUp(Integer Button, Integer, Single X, Single Y) {
  if (Button != vbLeftButton) return;
  const Single width = SingleOf(RegionContainer1, "ScaleWidth") / 5;
  const Single height = SingleOf(RegionContainer1, "ScaleHeight") / 5;
  RegionContainer1.Call("AddEllipse", {Variant(double{X}), Variant(double{Y}), Variant(double{X + width}),
                                       Variant(double{Y + height}), Variant(rXOR)});
  RegionContainer1.Call("Refresh");
}

// Left: a rounded hole in the middle and a small ellipse near the top-left
// corner. Right: all added shapes go, or with Shift only the oldest.
void Form1::RegionContainer2_MouseUp(Integer Button, Integer Shift, Single, Single) {
  RegionContainer2.Put("ScaleWidth", Variant(Long{4}));
  RegionContainer2.Put("ScaleHeight", Variant(Long{4}));
  const double sw = SingleOf(RegionContainer2, "ScaleWidth");
  const double sh = SingleOf(RegionContainer2, "ScaleHeight");
  if (Button == vbLeftButton) {
    RegionContainer2.Call("AddRectangle", {Variant(sw / 4), Variant(sh / 4), Variant(3 * sw / 4), Variant(3 * sh / 4),
                                           Variant(rDIFF), Variant(400.0), Variant(400.0)});
    RegionContainer2.Call("AddEllipse",
                          {Variant(sw / 16), Variant(sh / 16), Variant(sw / 4), Variant(sh / 4), Variant(rOR)});
  } else if (Shift > 0) {
    RegionContainer2.Call("ClearAddedRegions", {Variant(Long{0})});
  } else {
    RegionContainer2.Call("ClearAddedRegions");
  }
  RegionContainer2.Call("Refresh");
}

// The drawing members the control's interface does not list, reached through ThisObject.
void Form1::RegionContainer2_Paint() {
  host::ComPtr<IDispatch> surface;
  surface.Attach(RegionContainer2.Get("ThisObject").ToObject());
  host::CallMethod(*surface.Get(), "Cls");
  host::CallMethod(*surface.Get(), "Print", {Variant("")});
  host::CallMethod(*surface.Get(), "Print", {Variant("\t" + host::DateText(host::Now()))});
}

// The "Form2.." button fills its transparent control, whichever element was resized.
void Form1::RegionTransparent2_Resize(Integer) {
  const ActiveXHost& holder = RegionTransparent2(1);
  Command1.Move(0, 0, holder.Get("WidthInTwips").ToLong(), holder.Get("HeightInTwips").ToLong());
}

}  // namespace shapetrial
