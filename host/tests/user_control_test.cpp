#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "host/controls/command_button.h"
#include "host/controls/frame.h"
#include "host/forms/form.h"
#include "host/runtime/error.h"
#include "host/services/screen.h"
#include "host/testing/client_pixels.h"
#include "host/testing/event_text.h"
#include "host/tests/probe_control.h"
#include "host/usercontrol/design_time_host.h"
#include "host/usercontrol/form_control_site.h"
#include "host/testing/raised_error.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

using testing::ErrorNumberOf;
using testing_support::Probe;
using testing_support::ProbeForm;
using Events = std::vector<std::string>;

TEST(UserControlOnAForm, LoadsFromTheDescriptionInTheEventOrder) {
  ProbeForm form;
  form.Load();
  EXPECT_EQ(form.Probe1->events, (Events{"Initialize", "ReadProperties", "Resize"}));
  form.Show();
  form.Hide();
  EXPECT_EQ(form.Probe1->events, (Events{"Initialize", "ReadProperties", "Resize", "Show", "Hide"}));
  EXPECT_EQ(form.Probe1->caption, "stored");
  EXPECT_EQ(form.Probe1->BackColor(), 0x00808080u);
  EXPECT_EQ(form.Probe1->Font().Name, "Arial");
  EXPECT_TRUE(form.Probe1->Font().Bold);
  EXPECT_TRUE(form.Probe1->Font().Italic);
  EXPECT_EQ(form.Probe2->caption, "default") << "missing keys give the defaults";
  form.Unload();
}

TEST(UserControlOnAForm, TheExtenderKnowsNameContainerParentAndPlacement) {
  ProbeForm form;
  form.Load();
  Extender& extender = form.Probe1->Extender();
  EXPECT_EQ(extender.Name(), "Probe1");
  EXPECT_EQ(extender.Parent(), &form);
  EXPECT_EQ(extender.Container(), &form);
  EXPECT_EQ(form.Probe2->Extender().Container(), &form.Frame1);
  EXPECT_EQ(extender.Left(), 150 / Screen().TwipsPerPixelX() * Screen().TwipsPerPixelX());
  EXPECT_EQ(GetParent(form.Probe1->hWnd()), form.hWnd());
  EXPECT_TRUE(form.Probe1->Ambient().UserMode);
  extender.Move(300, 300, 3000, 1500);
  EXPECT_EQ(form.Probe1->Width(), 3000);
  EXPECT_EQ(form.Probe1->events.back(), "Resize");
  form.Unload();
}

TEST(UserControlOnAForm, AControlInsideItRaisesItsEvents) {
  ProbeForm form;
  form.Show();
  ASSERT_EQ(GetParent(form.Inside.hWnd()), form.Probe1->hWnd());
  int clicks = 0;
  form.Inside.Click.Connect([&] { ++clicks; });
  SendMessageA(form.Inside.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  form.Unload();
}

TEST(UserControlOnAForm, AmbientChangesReachTheControl) {
  ProbeForm form;
  form.Load();
  form.SetBackColor(0x00112233);
  EXPECT_EQ(form.Probe1->Ambient().BackColor, 0x00112233u);
  EXPECT_EQ(form.Probe1->events.back(), "AmbientChanged BackColor");
  Font font;
  font.Name = "Courier New";
  form.SetFont(font);
  EXPECT_EQ(form.Probe1->Ambient().Font.Name, "Courier New");
  EXPECT_EQ(form.Probe1->events.back(), "AmbientChanged Font");
  form.Unload();
}

TEST(UserControlOnAForm, UnloadingRaisesTerminateLast) {
  ProbeForm form;
  form.Show();
  Probe& probe = *form.Probe1;
  form.Unload();
  EXPECT_EQ(probe.events, (Events{"Initialize", "ReadProperties", "Resize", "Show", "Terminate"}));
}

// Counts its destructions, to show when the control object goes away.
class TrackedProbe : public Probe {
 public:
  ~TrackedProbe() override { ++destroyed; }
  static inline int destroyed = 0;
};

using TrackedProbeForm = testing_support::ProbeFormOf<TrackedProbe>;

TEST(UserControlOnAForm, TheControlOutlivesAnUnloadFromItsOwnEvent) {
  TrackedProbeForm form;
  form.Load();
  int destroyedDuringEvent = -1;
  form.Probe1->Asked.Connect([&](Long, Long& answer) {
    const int before = TrackedProbe::destroyed;
    form.Unload();
    destroyedDuringEvent = TrackedProbe::destroyed - before;
    answer = 1;
  });
  TrackedProbe& probe = *form.Probe1;
  EXPECT_EQ(probe.Ask(0), 1);
  EXPECT_EQ(destroyedDuringEvent, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(probe.events.back(), "Terminate");
}

// Outlives the control it logs for.
std::vector<std::string> terminateLog;
class TerminateLogger : public UserControl {
 protected:
  void UserControl_Terminate() override { terminateLog.push_back("Terminate"); }
};

TEST(UserControlOwner, TerminateReachesTheDerivedControlWhenItsOwnerLetsGo) {
  terminateLog.clear();
  {
    DesignTimeHost<TerminateLogger> designer;
    designer.PlaceNew();
  }
  EXPECT_EQ(terminateLog, std::vector<std::string>{"Terminate"});
}

TEST(UserControlOnAForm, EventsReachTheHostWithArgumentsByValueAndByReference) {
  ProbeForm form;
  form.Load();
  form.Probe1->Asked.Connect([](Long question, Long& answer) { answer = question * 2; });
  EXPECT_EQ(form.Probe1->Ask(21), 42);
  form.Unload();
}

TEST(UserControlOnAForm, SurfaceMembersWorkInTwipsAndPixels) {
  ProbeForm form;
  form.Load();
  Probe& probe = *form.Probe1;
  EXPECT_EQ(probe.ScaleWidth(), static_cast<Single>(PixelsFromTwipsX(1500) * Screen().TwipsPerPixelX()));
  probe.SetScaleMode(vbPixels);
  EXPECT_EQ(probe.ScaleWidth(), static_cast<Single>(PixelsFromTwipsX(1500)));
  EXPECT_EQ(probe.hDC(), probe.hDC()) << "the surface keeps one DC";
  EXPECT_EQ(WindowFromDC(probe.hDC()), probe.hWnd());
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(probe.hWnd(), WM_GETFONT, 0, 0)) != nullptr, true);
  probe.SetBorderStyle(1);
  EXPECT_NE(GetWindowLongA(probe.hWnd(), GWL_STYLE) & WS_BORDER, 0);
  probe.Size(600, 450);
  EXPECT_EQ(probe.Height(), 450);
  form.Unload();
}

TEST(UserControlOnAForm, TheSurfaceHasItsOwnScaleLikeAForm) {
  ProbeForm form;
  form.Load();
  Probe& probe = *form.Probe1;
  const Single twipsWide = probe.ScaleWidth();
  probe.SetScaleLeft(-1);
  EXPECT_EQ(probe.ScaleMode(), vbUser);
  EXPECT_EQ(probe.ScaleLeft(), -1.0f);
  EXPECT_EQ(probe.ScaleWidth(), twipsWide);
  probe.Scale(0, 100, 10, 0);
  EXPECT_EQ(probe.ScaleTop(), 100.0f);
  EXPECT_EQ(probe.ScaleHeight(), -100.0f);
  probe.SetScaleMode(vbPoints);
  EXPECT_EQ(probe.ScaleLeft(), 0.0f);
  EXPECT_EQ(probe.ScaleTop(), 0.0f);
  EXPECT_EQ(probe.ScaleWidth(), twipsWide / 20);
  EXPECT_EQ(form.ScaleMode(), vbTwips) << "the form keeps its own scale";
  form.Unload();
}

// The form measures in pixels from (-10, 25), y upwards: 2540 HIMETRIC (an
// inch, 96 pixels) is 96 units across and -96 down.
TEST(UserControlOnAForm, ScaleXAndScaleYConvertToAndFromTheContainersUnits) {
  ProbeForm form;
  form.Load();
  RECT client{};
  GetClientRect(form.hWnd(), &client);
  form.Scale(-10, 25, static_cast<Single>(client.right - 10), static_cast<Single>(25 - client.bottom));
  const Probe& probe = *form.Probe1;
  const struct {
    bool across;
    Single length;
    Integer from, to;
    Single expected;
  } cases[] = {
      {true, 2540, vbHimetric, vbContainerSize, 96},     {false, 2540, vbHimetric, vbContainerSize, -96},
      {true, 2540, vbHimetric, vbContainerPosition, 86}, {false, 2540, vbHimetric, vbContainerPosition, -71},
      {true, 86, vbContainerPosition, vbHimetric, 2540}, {false, -71, vbContainerPosition, vbHimetric, 2540},
      {true, 96, vbContainerSize, vbInches, 1},          {true, 48, vbContainerSize, vbContainerPosition, 38},
  };
  for (const auto& c : cases) {
    const Single converted = c.across ? probe.ScaleX(c.length, c.from, c.to) : probe.ScaleY(c.length, c.from, c.to);
    EXPECT_NEAR(converted, c.expected, 0.01) << c.length << " from " << c.from << " to " << c.to;
  }
  EXPECT_NEAR(probe.ScaleX(96, vbContainerSize), 1440, 0.01) << "to the control's own twips";
  EXPECT_EQ(ErrorNumberOf([&] { probe.ScaleX(1, 11, vbTwips); }), 5);
  form.Unload();
}

// Cls paints the whole surface in the back colour, over whatever was drawn on it.
TEST(UserControlOnAForm, ClsPaintsTheWholeSurfaceInTheBackColour) {
  ProbeForm form;
  form.Show();
  Probe& probe = *form.Probe2;  // the one without a control inside
  UpdateWindow(form.hWnd());
  RECT client{};
  GetClientRect(probe.hWnd(), &client);
  const int area = client.right * client.bottom;
  const COLORREF back = RGB(0x00, 0x80, 0xFF);
  const UniqueBrush ink(CreateSolidBrush(RGB(0xFF, 0x00, 0x00)));
  const auto pixelsOf = [&](COLORREF color) { return testing::ClientPixels(probe.hWnd()).Count(color); };

  FillRect(probe.hDC(), &client, ink.get());
  EXPECT_EQ(pixelsOf(RGB(0xFF, 0x00, 0x00)), area) << "the drawing shows before any Cls";
  probe.SetBackColor(back);
  probe.Cls();
  EXPECT_EQ(pixelsOf(back), area);

  const RECT middle{client.right / 4, client.bottom / 4, client.right / 2, client.bottom / 2};
  FillRect(probe.hDC(), &middle, ink.get());
  EXPECT_EQ(pixelsOf(back), area - (middle.right - middle.left) * (middle.bottom - middle.top));
  probe.Cls();
  EXPECT_EQ(pixelsOf(back), area) << "the second drawing is gone too";
  form.Unload();
}

TEST(UserControlInTheDesigner, ANewControlRunsInitPropertiesAndSavesOnlyChangedValues) {
  DesignTimeHost<Probe> designer;
  designer.PlaceNew();
  EXPECT_EQ(designer->events, (Events{"Initialize", "InitProperties", "Resize", "Show"}));
  EXPECT_FALSE(designer->Ambient().UserMode);
  EXPECT_TRUE(designer.Save().Block().settings.empty()) << "defaults are not stored";
  designer->SetCaption("changed");
  EXPECT_EQ(designer.ChangedProperties(), (std::vector<std::string>{"Caption"}));
  const PropertyBag saved = designer.Save();
  ASSERT_EQ(saved.Block().settings.size(), 1u);
  EXPECT_EQ(saved.Block().settings[0].value, "\"changed\"");
}

TEST(UserControlInTheDesigner, DesignTimeOnlyWritesFailWithError383OnlyAtRunTime) {
  DesignTimeHost<Probe> designer;
  designer.PlaceNew();
  EXPECT_NO_THROW(designer->SetDesignOnly(1));
  ProbeForm form;
  form.Load();
  EXPECT_EQ(testing::ErrorNumberOf([&] { form.Probe1->SetDesignOnly(1); }), 383);
  EXPECT_THROW(designer->Extender(), RuntimeError) << "the designer offers no extender";
  form.Unload();
}

TEST(UserControlInTheDesigner, SavedSettingsLoadBackAndTheAmbientFontIsTheFontDefault) {
  Font ambient;
  ambient.Name = "Tahoma";
  DesignTimeHost<Probe> first;
  first.SetAmbientFont(ambient);
  first.PlaceNew();
  EXPECT_EQ(first->Font().Name, "Tahoma");
  first->SetBackColor(0x00FF0000);
  first->SetBorderStyle(1);
  const PropertyBag saved = first.Save();
  EXPECT_FALSE(saved.Contains("Font")) << "equal to the ambient font, its default";

  // The designer loads a control before it has a window to place it in.
  DesignTimeHost<Probe> second;
  second.Load(saved);
  EXPECT_EQ(second->events, (Events{"Initialize", "ReadProperties", "Resize", "Show"}));
  const HWND surface = second->hWnd();
  EXPECT_EQ(GetParent(surface), second.ContainerWindow());
  EXPECT_TRUE(IsWindowVisible(surface));
  EXPECT_NE(GetWindowLongA(surface, GWL_STYLE) & WS_BORDER, 0);
  UpdateWindow(surface);
  EXPECT_EQ(testing::ClientPixels(surface).At(2, 2), RGB(0x00, 0x00, 0xFF)) << "the back colour read while parked";
}

// Logs its keyboard and mouse events; a key 'x' becomes 'y', and Delete
// is swallowed.
class InputProbe : public UserControl {
 public:
  Events events;

 protected:
  void UserControl_Click() override { events.push_back("Click"); }
  void UserControl_DblClick() override { events.push_back("DblClick"); }
  void UserControl_KeyDown(Integer& KeyCode, Integer& Shift) override { Log("KeyDown", KeyCode, Shift); }
  void UserControl_KeyUp(Integer& KeyCode, Integer& Shift) override { Log("KeyUp", KeyCode, Shift); }
  void UserControl_KeyPress(Integer& KeyAscii) override {
    events.push_back("KeyPress " + std::to_string(KeyAscii));
    if (KeyAscii == 'x') KeyAscii = 'y';
  }
  void UserControl_MouseDown(Integer& Button, Integer& Shift, Single& X, Single& Y) override {
    Log("MouseDown", Button, Shift, X, Y);
  }
  void UserControl_MouseMove(Integer& Button, Integer& Shift, Single& X, Single& Y) override {
    Log("MouseMove", Button, Shift, X, Y);
  }
  void UserControl_MouseUp(Integer& Button, Integer& Shift, Single& X, Single& Y) override {
    Log("MouseUp", Button, Shift, X, Y);
  }

 private:
  void Log(const char* event, Integer a, Integer b) {
    events.push_back(std::string(event) + " " + std::to_string(a) + " " + std::to_string(b));
  }
  void Log(const char* event, Integer button, Integer shift, Single x, Single y) {
    events.push_back(testing::MouseEventText(event, button, shift, x, y));
  }
};

struct InputStep {
  UINT message;
  WPARAM wParam;
  POINT pixel;
};

// A 200 x 150 pixel surface scaled to 100 x 75 units: X and Y are half the pixels.
TEST(UserControlInput, MouseEventsComeInScaleUnitsAndClicksInTheClassicOrder) {
  struct Case {
    const char* what;
    std::vector<InputStep> steps;
    Events expected;
  };
  const Case cases[] = {
      {"click",
       {{WM_LBUTTONDOWN, MK_LBUTTON, {20, 40}}, {WM_LBUTTONUP, 0, {20, 40}}},
       {"MouseDown 1 0 10,20", "MouseUp 1 0 10,20", "Click"}},
      {"double click",
       {{WM_LBUTTONDOWN, MK_LBUTTON, {20, 40}},
        {WM_LBUTTONUP, 0, {20, 40}},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, {20, 40}},
        {WM_LBUTTONUP, 0, {20, 40}}},
       {"MouseDown 1 0 10,20", "MouseUp 1 0 10,20", "Click", "DblClick", "MouseUp 1 0 10,20"}},
      {"right button with Shift and Ctrl",
       {{WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT | MK_CONTROL, {100, 60}}, {WM_RBUTTONUP, MK_SHIFT, {100, 60}}},
       {"MouseDown 2 3 50,30", "MouseUp 2 1 50,30"}},
      {"moving with both buttons held",
       {{WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON, {40, 10}}, {WM_MOUSEMOVE, 0, {0, 0}}},
       {"MouseMove 5 0 20,5", "MouseMove 0 0 0,0"}},
  };
  for (const Case& c : cases) {
    DesignTimeHost<InputProbe> designer;
    designer.PlaceNew();
    designer->Scale(0, 0, 100, 75);
    for (const InputStep& step : c.steps) {
      SendMessageA(designer->hWnd(), step.message, step.wParam, MAKELPARAM(step.pixel.x, step.pixel.y));
    }
    EXPECT_EQ(designer->events, c.expected) << c.what;
  }
}

TEST(UserControlInput, APressTakesTheFocusAndTheMouseUntilReleased) {
  DesignTimeHost<InputProbe> designer;
  designer.PlaceNew();
  SendMessageA(designer->hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(GetFocus(), designer->hWnd());
  EXPECT_EQ(GetCapture(), designer->hWnd());
  SendMessageA(designer->hWnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(UserControlInput, KeyEventsCarryTheShiftStateAndKeyAsciiByReference) {
  DesignTimeHost<InputProbe> designer;
  designer.PlaceNew();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE held[256] = {};
  std::copy(std::begin(keys), std::end(keys), std::begin(held));
  held[VK_CONTROL] = held[VK_SHIFT] = 0x80;
  SetKeyboardState(held);
  SendMessageA(designer->hWnd(), WM_KEYDOWN, 'A', 0);
  SetKeyboardState(keys);
  SendMessageA(designer->hWnd(), WM_CHAR, 'x', 0);
  SendMessageA(designer->hWnd(), WM_KEYUP, 'A', 0);
  EXPECT_EQ(designer->events, (Events{"KeyDown 65 3", "KeyPress 120", "KeyUp 65 0"}));
  EXPECT_EQ(SendMessageA(designer->hWnd(), WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, DLGC_WANTCHARS)
      << "characters reach the surface inside a form's dialog navigation";
}

// Drags "payload" and logs the drag's events.
class DragProbe : public UserControl {
 public:
  Events events;

 protected:
  void UserControl_OLEStartDrag(DataObject& Data, Long& AllowedEffects) override {
    Data.SetText("payload");
    AllowedEffects = DROPEFFECT_COPY;
    events.push_back("OLEStartDrag");
  }
  void UserControl_OLEDragOver(IDataObject*, Long& Effect, Integer&, Integer&, Single&, Single&,
                               Integer& State) override {
    events.push_back("OLEDragOver " + std::to_string(State));
    Effect = DROPEFFECT_COPY;
  }
  void UserControl_OLEDragDrop(IDataObject* Data, Long& Effect, Integer&, Integer&, Single&, Single&) override {
    events.push_back("OLEDragDrop " + TextOf(*Data));
    Effect = DROPEFFECT_COPY;
  }
  void UserControl_OLECompleteDrag(Long& Effect) override {
    events.push_back("OLECompleteDrag " + std::to_string(Effect));
  }
};

TEST(UserControlOle, OnlyAManualDropModeTakesDrops) {
  struct Case {
    Integer dropMode;
    Events expected;
  };
  const Case cases[] = {
      {vbOLEDropManual, {"OLEStartDrag", "OLEDragOver 0", "OLEDragDrop payload", "OLECompleteDrag 1"}},
      {vbOLEDropNone, {"OLEStartDrag", "OLECompleteDrag 0"}},
  };
  for (const Case& c : cases) {
    DesignTimeHost<DragProbe> designer;
    designer.PlaceNew();
    designer->SetOLEDropMode(vbOLEDropManual);
    designer->SetOLEDropMode(c.dropMode);
    RECT onScreen{};
    GetWindowRect(designer->hWnd(), &onScreen);
    SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
    designer->OLEDrag();
    EXPECT_EQ(designer->events, c.expected) << "drop mode " << c.dropMode;
    EXPECT_EQ(designer->OLEDropMode(), c.dropMode);
  }
  DesignTimeHost<DragProbe> designer;
  designer.PlaceNew();
  EXPECT_EQ(testing::ErrorNumberOf([&] { designer->SetOLEDropMode(2); }), 380);
}

}  // namespace
}  // namespace host
