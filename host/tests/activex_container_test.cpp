#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include <string>
#include <vector>

#include "host/activex/com_property_bag.h"
#include "host/com/com_ptr.h"
#include "host/com/stored_picture.h"
#include "host/container/activex_host.h"
#include "host/controls/command_button.h"
#include "host/controls/control_array.h"
#include "host/controls/frame.h"
#include "host/forms/form.h"
#include "host/services/screen.h"
#include "host/testing/message_box_watcher.h"
#include "host/testing/raised_error.h"
#include "host/testing/system_control_host.h"

namespace host {
namespace {

// HostingForm.frm: the probe control on the form with a button inside it,
// an array of two probes in a frame, a control whose class no library
// serves, and a button after it.
class HostingForm : public Form {
 public:
  HostingForm() : Form("HostingForm") {
    Probe1.OnEvent("Asked", [this](std::vector<Variant>& arguments) {
      ++asked;
      arguments[1] = Variant(Long{2 * arguments[0].ToLong()});
    });
    ProbeRow.ForEachCreated([](ActiveXHost& probe) {
      probe.OnEvent("ASKED", [](std::vector<Variant>& arguments) {
        arguments[2] = Variant(Long{100 * arguments[0].ToLong() + arguments[1].ToLong()});
      });
    });
    Inside.Click.Connect([this] { ++insideClicks; });
  }
  int asked = 0;
  int insideClicks = 0;

  Frame Frame1{*this, "Frame1"};
  ControlArray<ActiveXHost> ProbeRow{*this, "ProbeRow"};
  ActiveXHost Probe1{*this, "Probe1"};
  CommandButton Inside{*this, "Inside"};
  ActiveXHost Absent1{*this, "Absent1"};
  CommandButton After{*this, "After"};
};

using testing::ErrorTextOf;

Long WindowNumber(HWND window) { return static_cast<Long>(reinterpret_cast<LONG_PTR>(window)); }

RECT ClientRectIn(HWND window, HWND container) {
  RECT placed{};
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&placed), 2);
  return placed;
}

// The probe library is registered in the prefix by the test step before this
// program; every load of the form answers the box of its missing control.
class HostedControls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  testing::MessageBoxWatcher boxes_;
  HostingForm form_;
};

TEST_F(HostedControls, LoadFromTheirBlocksIntoTheirContainersWindows) {
  form_.Load();
  EXPECT_EQ(form_.Probe1.Get("Caption").ToString(), "stored") << "keys matched without regard to case";
  EXPECT_EQ(form_.Probe1.Get("Events").ToString(), "Initialize\nReadProperties\nResize\n") << "no Show off screen";
  form_.Show();
  form_.Hide();
  form_.Show();
  EXPECT_EQ(form_.Probe1.Get("Events").ToString(), "Initialize\nReadProperties\nResize\nShow\nHide\nShow\n");
  EXPECT_EQ(form_.ProbeRow(0).Get("Caption").ToString(), "default");
  const HWND probe = form_.Probe1.ControlWindow();
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(GetParent(probe), form_.hWnd());
  EXPECT_EQ(GetParent(form_.ProbeRow(1).ControlWindow()), form_.Frame1.hWnd());
  const RECT placed = ClientRectIn(probe, form_.hWnd());
  EXPECT_EQ(placed.left, PixelsFromTwipsX(150));
  EXPECT_EQ(placed.right - placed.left, PixelsFromTwipsX(1650) - PixelsFromTwipsX(150));
  EXPECT_EQ(form_.Probe1.Get("UserMode").ToBoolean(), True);
}

TEST(CompanionData, PicturesAreReadWhereTheReferencePoints) {
  OleInitialize(nullptr);
  EXPECT_TRUE(LoadCompanionPicture("\"HostingForm.frx\":0000"));
  ComPtr<ComPropertyBag> bag;
  bag.Attach(new ComPropertyBag(PropertyBag(PropertyBlock{{{"Picture", "\"HostingForm.frx\":0000"}}, {}}, "F")));
  for (const VARTYPE asked : {VT_EMPTY, VT_DISPATCH}) {
    Variant read;
    read.put()->vt = asked;
    ASSERT_EQ(bag->Read(L"picture", read.get(), nullptr), S_OK);
    ComPtr<IPictureDisp> picture;
    ASSERT_EQ(read.Type(), VT_DISPATCH);
    EXPECT_EQ(read.get()->pdispVal->QueryInterface(IID_PPV_ARGS(&picture)), S_OK) << "a picture object";
  }
  const struct {
    const char* reference;
    std::string error;
  } wrong[] = {
      {"\"HostingForm.frx\":0002", "481 \"HostingForm.frx\":0002 holds no picture"},
      {"\"Missing.frx\":0000", "481 the companion data Missing.frx is not in the program"},
      {"HostingForm.frx", "481 Invalid picture"},
  };
  for (const auto& reference : wrong) {
    EXPECT_EQ(ErrorTextOf([&] { LoadCompanionPicture(reference.reference); }), reference.error);
  }
}

TEST_F(HostedControls, APictureComesFromTheFormsCompanionData) {
  form_.Load();
  Variant picture = form_.Probe1.Get("Picture");
  ComPtr<IPicture> loaded;
  ASSERT_EQ(picture.Type(), VT_DISPATCH);
  ASSERT_NE(picture.get()->pdispVal, nullptr);
  ASSERT_EQ(picture.get()->pdispVal->QueryInterface(IID_PPV_ARGS(&loaded)), S_OK);
  OLE_HANDLE handle = 0;
  loaded->get_Handle(&handle);
  BITMAP bitmap{};
  GetObjectA(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 6);
  EXPECT_EQ(bitmap.bmHeight, 4);
  EXPECT_EQ(form_.ProbeRow(0).Get("Picture").get()->pdispVal, nullptr) << "no key, no picture";
}

// A sink for the property-changed report.
class ChangeSink final : public IPropertyNotifySink {
 public:
  std::vector<DISPID> changed;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    *object = iid == IID_IUnknown || iid == IID_IPropertyNotifySink ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }  // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) noexcept override {
    changed.push_back(id);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) noexcept override { return S_OK; }
};

TEST_F(HostedControls, SavingWritesWhatDiffersFromTheDefaultsAndReportsChanges) {
  form_.Load();
  ComPtr<IConnectionPointContainer> points;
  ASSERT_EQ(form_.Probe1.ControlObject()->QueryInterface(IID_PPV_ARGS(&points)), S_OK);
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, &point), S_OK);
  ChangeSink sink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  form_.Probe1.Put("Caption", Variant("changed"));
  point->Unadvise(cookie);
  EXPECT_EQ(sink.changed, std::vector<DISPID>{1}) << "Caption's DISPID";

  const auto saved = [](ActiveXHost& control) {
    ComPtr<IPersistPropertyBag> persist;
    EXPECT_EQ(control.ControlObject()->QueryInterface(IID_PPV_ARGS(&persist)), S_OK);
    ComPtr<ComPropertyBag> bag;
    bag.Attach(new ComPropertyBag(PropertyBag()));
    EXPECT_EQ(persist->Save(bag.Get(), TRUE, FALSE), S_OK);
    return bag->Bag();
  };
  const PropertyBag changed = saved(form_.Probe1);
  EXPECT_EQ(changed.ReadProperty<std::string>("Caption", ""), "changed");
  EXPECT_EQ(changed.ReadProperty<OleColor>("BackColor", 0), 0x00808080u);
  EXPECT_EQ(changed.ReadProperty<Font>("Font", Font()).Name, "Tahoma");
  EXPECT_EQ(changed.Objects().size(), 1u) << "the picture";
  const PropertyBag defaults = saved(form_.ProbeRow(0));
  EXPECT_EQ(WritePropertyBlock(defaults.Block(), 0), "");
  EXPECT_TRUE(defaults.Objects().empty());

  // Through a stream, into a new object.
  ComPtr<IPersistStreamInit> persisted;
  ASSERT_EQ(form_.Probe1.ControlObject()->QueryInterface(IID_PPV_ARGS(&persisted)), S_OK);
  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  ASSERT_EQ(persisted->Save(stream.Get(), TRUE), S_OK);
  EXPECT_EQ(persisted->IsDirty(), S_FALSE);
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  CLSID probeClass{};
  persisted->GetClassID(&probeClass);
  ComPtr<IPersistStreamInit> copy;
  ASSERT_EQ(CoCreateInstance(probeClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&copy)), S_OK);
  ASSERT_EQ(copy->Load(stream.Get()), S_OK);
  ComPtr<IDispatch> copied;
  ASSERT_EQ(copy.As(&copied), S_OK);
  EXPECT_EQ(GetProperty(*copied.Get(), "Caption").ToString(), "changed");
  const auto widthOf = [](IDispatch* picture) { return picture ? GetProperty(*picture, "Width").ToLong() : 0; };
  ComPtr<IDispatch> original;
  original.Attach(form_.Probe1.Get("Picture").ToObject());
  ComPtr<IDispatch> restored;
  restored.Attach(GetProperty(*copied.Get(), "Picture").ToObject());
  EXPECT_GT(widthOf(restored.Get()), 0) << "the picture came through the stream";
  EXPECT_EQ(widthOf(restored.Get()), widthOf(original.Get()));
  EXPECT_EQ(copy->InitNew(), CO_E_ALREADYINITIALIZED);
}

TEST_F(HostedControls, AContainerDrawsTheControlWithoutActivatingIt) {
  form_.Load();
  ComPtr<IViewObject2> view;
  ASSERT_EQ(form_.Probe1.ControlObject()->QueryInterface(IID_PPV_ARGS(&view)), S_OK);
  SIZEL extent{};
  ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &extent), S_OK);
  EXPECT_NEAR(extent.cx, 2646, 30) << "HIMETRIC";
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP canvas = CreateCompatibleBitmap(screen, 40, 30);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ previous = SelectObject(memory, canvas);
  const RECTL bounds{0, 0, 40, 30};
  ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0), S_OK);
  EXPECT_EQ(GetPixel(memory, 20, 25), RGB(0x80, 0x80, 0x80)) << "the stored back colour";
  SelectObject(memory, previous);
  DeleteObject(canvas);
  DeleteDC(memory);
}

TEST_F(HostedControls, TheExtenderAddsTheFormsMembersAndForwardsTheRest) {
  form_.Load();
  EXPECT_EQ(form_.Probe1.Get("Name").ToString(), "Probe1");
  EXPECT_EQ(form_.ProbeRow(1).Get("Index").ToLong(), 1);
  EXPECT_EQ(form_.Probe1.Get("ContainerWindow").ToLong(), WindowNumber(form_.hWnd()))
      << "Container.hWnd, as the control reads it";
  EXPECT_EQ(form_.ProbeRow(0).Get("ContainerWindow").ToLong(), WindowNumber(form_.Frame1.hWnd()));
  Variant parent = form_.Probe1.Get("Parent");
  ComPtr<IDispatch> parentObject;
  parentObject.Attach(parent.ToObject());
  EXPECT_EQ(GetProperty(*parentObject.Get(), "Name").ToString(), "HostingForm");
  form_.Probe1.Call("Move", {Variant(Long{300}), Variant(Long{300}), Variant(Long{3000}), Variant(Long{1500})});
  EXPECT_EQ(ClientRectIn(form_.Probe1.ControlWindow(), form_.hWnd()).right, PixelsFromTwipsX(3300));
  EXPECT_EQ(form_.Probe1.Get("Width").ToLong(), PixelsFromTwipsX(3000) * Screen().TwipsPerPixelX());
  form_.Probe1.Put("Tag", Variant("kept"));
  EXPECT_EQ(form_.Probe1.Get("Tag").ToString(), "kept");
  form_.Probe1.Put("Caption", Variant("forwarded"));
  EXPECT_EQ(form_.Probe1.Get("caption").ToString(), "forwarded");
}

TEST_F(HostedControls, EventsReachHandlersByNameWithIndexAndByReferenceAnswers) {
  form_.Load();
  EXPECT_EQ(form_.Probe1.Call("Ask", {Variant(Long{21})}).ToLong(), 42);
  EXPECT_EQ(form_.asked, 1);
  EXPECT_EQ(form_.ProbeRow(1).Call("Ask", {Variant(Long{5})}).ToLong(), 105) << "Index first, the answer written back";
  EXPECT_EQ(form_.ProbeRow(0).Call("Ask", {Variant(Long{5})}).ToLong(), 5);
}

TEST_F(HostedControls, TheyFollowTheFormsAmbientsAndTabOrder) {
  form_.Load();
  form_.SetBackColor(0x00112233);
  EXPECT_NE(form_.Probe1.Get("Events").ToString().find("AmbientChanged BackColor\n"), std::string::npos);
  const HWND first = form_.ProbeRow(0).ControlWindow();
  const HWND second = form_.ProbeRow(1).ControlWindow();
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second) << "placed by TabIndex";
  form_.ProbeRow(1).Put("TabIndex", Variant(Integer{0}));
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
  SetFocus(second);
  EXPECT_TRUE(second == GetFocus() || IsChild(second, GetFocus()));
}

TEST_F(HostedControls, AnIntrinsicControlInsideLivesInTheControlsWindowAndRaisesToTheForm) {
  form_.Load();
  EXPECT_EQ(GetParent(form_.Inside.hWnd()), form_.Probe1.ControlWindow());
  SendMessageA(form_.Inside.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form_.insideClicks, 1);
}

TEST_F(HostedControls, AClassNoLibraryServesIsError429AndTheFormLoadsTheRest) {
  form_.Load();
  ASSERT_EQ(boxes_.Seen().size(), 1u);
  EXPECT_NE(boxes_.Seen()[0].text.find("429"), std::string::npos) << boxes_.Seen()[0].text;
  EXPECT_NE(boxes_.Seen()[0].text.find("Absent1 (ProbeLibrary.Absent)"), std::string::npos);
  EXPECT_FALSE(form_.Absent1.Loaded());
  EXPECT_NE(form_.After.hWnd(), nullptr);
}

TEST_F(HostedControls, ADesignerHostsThemWithUserModeFalse) {
  form_.Probe1.SetUserMode(false);
  form_.Load();
  EXPECT_EQ(form_.Probe1.Get("UserMode").ToBoolean(), False);
  EXPECT_EQ(form_.ProbeRow(0).Get("UserMode").ToBoolean(), True);
}

TEST_F(HostedControls, UnloadReleasesEveryControlSoTheLibraryCanUnload) {
  form_.Load();
  const HMODULE library = GetModuleHandleA("RuntimeProbe.ocx");
  ASSERT_NE(library, nullptr);
  const auto canUnloadNow =
      reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  const HWND probe = form_.Probe1.ControlWindow();
  form_.Unload();
  EXPECT_FALSE(IsWindow(probe));
  EXPECT_EQ(canUnloadNow(), S_OK);
  EXPECT_THROW(form_.Probe1.Get("Caption"), RuntimeError);
}

// A container we did not write: the system's control host window, which
// offers no ambient properties and no extender.
TEST(ForeignContainer, TheSystemsControlHostWindowActivatesTheProbe) {
  OleInitialize(nullptr);
  const testing::SystemControlHost box(L"RuntimeTests.Probe", 120, 80);
  ASSERT_NE(box.Control(), nullptr);
  ComPtr<IDispatch> probe;
  ASSERT_EQ(box.Control()->QueryInterface(IID_PPV_ARGS(&probe)), S_OK);
  // Each size the host sets on the way (its extents are in the wrong unit) is
  // a Resize; the host never sends the show verb: the first paint is the Show.
  RedrawWindow(box.HostWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::string events = GetProperty(*probe.Get(), "Events").ToString();
  EXPECT_TRUE(events.starts_with("Initialize\nInitProperties\nResize\n") &&
              events.find("Show\n") != std::string::npos && events.find("Hide\n") == std::string::npos)
      << events;
  EXPECT_EQ(GetProperty(*probe.Get(), "UserMode").ToBoolean(), True) << "no ambients: run mode";
  const HWND surface = box.ControlWindow();
  EXPECT_EQ(GetParent(surface), box.HostWindow());
  RECT client{};
  GetClientRect(surface, &client);
  EXPECT_EQ(client.right, 120) << "sized from the object rectangles";
}

}  // namespace
}  // namespace host
