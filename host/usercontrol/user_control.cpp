#include "host/usercontrol/user_control.h"

#include <memory>
#include <utility>

#include "host/controls/control.h"
#include "host/runtime/error.h"
#include "host/runtime/untrapped_error.h"
#include "host/services/app.h"
#include "host/services/screen.h"
#include "host/services/twips_placement.h"
#include "host/win32/dc_scope.h"

namespace host {
namespace {

const char* SurfaceClassName() {
  static const std::string name = [] {
    WNDCLASSEXA windowClass{};
    // A DC of its own, so that hDC stays valid between events.
    windowClass.style = CS_OWNDC | CS_DBLCLKS;
    windowClass.lpfnWndProc = ObjectWindowProc<UserControl>;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    return RegisterModuleClass("HostUserControl", windowClass);
  }();
  return name.c_str();
}

// Where surfaces wait for a container window; one per module, made by the
// thread that first needs it.
HWND ParkingWindow() {
  static const UniqueWindow parking(
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, App().hInstance(), nullptr));
  if (!parking) throw RuntimeError(error_number::OutOfMemory, "the user controls' parking window could not be created");
  return parking.get();
}

}  // namespace

UserControl::~UserControl() { Detach(); }

void DetachThenDelete::operator()(UserControl* control) const {
  const std::unique_ptr<UserControl> owned(control);
  owned->Detach();
}

void UserControl::Attach(UserControlSite& site, const RECT& pixels) {
  site_ = &site;
  parked_ = site.ContainerWindow() == nullptr;
  window_.reset(CreateWindowExA(0, SurfaceClassName(), "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                                pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
                                site.ContainerWindow() ? site.ContainerWindow() : ParkingWindow(), nullptr,
                                App().hInstance(), this));
  if (!window_) throw RuntimeError(error_number::OutOfMemory, "the user control window could not be created");
  surface_.Attach(window_.get());
  RunEventHandler([this] { UserControl_Initialize(); });
}

void UserControl::Place(HWND container, const RECT& pixels) {
  if (GetParent(window_.get()) != container) SetParent(window_.get(), container);
  SetWindowPos(window_.get(), nullptr, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  parked_ = false;
  RaiseResize();
}

void UserControl::Park() {
  ShowWindow(window_.get(), SW_HIDE);
  SetParent(window_.get(), ParkingWindow());
  parked_ = true;
}

void UserControl::InitNew() {
  RunEventHandler([this] { UserControl_InitProperties(); });
  propertiesRead_ = true;
  RaiseResize();
}

void UserControl::Load(const PropertyBag& bag) {
  RunEventHandler([&] { UserControl_ReadProperties(bag); });
  propertiesRead_ = true;
  RaiseResize();
}

PropertyBag UserControl::Save() {
  PropertyBag bag;
  RunEventHandler([&] { UserControl_WriteProperties(bag); });
  return bag;
}

void UserControl::NotifyShow() {
  ShowWindow(window_.get(), SW_SHOWNA);
  RunEventHandler([this] { UserControl_Show(); });
}

void UserControl::NotifyHide() {
  ShowWindow(window_.get(), SW_HIDE);
  RunEventHandler([this] { UserControl_Hide(); });
}

void UserControl::NotifyAmbientChanged(std::string_view propertyName) {
  const std::string name(propertyName);
  RunEventHandler([&] { UserControl_AmbientChanged(name); });
}

void UserControl::Detach() {
  if (site_ == nullptr) return;
  RunEventHandler([this] { UserControl_Terminate(); });
  StopOle();
  surface_.Detach();
  window_.reset();
  site_ = nullptr;
}

void UserControl::SetBorderStyle(Integer style) {
  if (style != 0 && style != 1) throw RuntimeError(error_number::InvalidPropertyValue);
  borderStyle_ = style;
  const LONG current = GetWindowLongA(window_.get(), GWL_STYLE);
  SetWindowLongA(window_.get(), GWL_STYLE, style == 1 ? (current | WS_BORDER) : (current & ~WS_BORDER));
  SetWindowPos(window_.get(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

bool UserControl::Enabled() const { return IsWindowEnabled(window_.get()) != 0; }

void UserControl::SetEnabled(bool enabled) { EnableWindow(window_.get(), enabled); }

Long UserControl::Width() const { return PlacementInTwips(window_.get()).width; }
Long UserControl::Height() const { return PlacementInTwips(window_.get()).height; }

void UserControl::Size(Long width, Long height) {
  SetWindowPos(window_.get(), nullptr, 0, 0, PixelsFromTwipsX(width), PixelsFromTwipsY(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void UserControl::SetScaleMode(Integer mode) { surface_.Scale().SetMode(mode, surface_.ClientSize()); }
void UserControl::SetScaleLeft(Single left) { surface_.Scale().SetLeft(left, surface_.ClientSize()); }
void UserControl::SetScaleTop(Single top) { surface_.Scale().SetTop(top, surface_.ClientSize()); }
Single UserControl::ScaleWidth() const { return surface_.Scale().Width(surface_.ClientSize()); }
void UserControl::SetScaleWidth(Single width) { surface_.Scale().SetWidth(width, surface_.ClientSize()); }
Single UserControl::ScaleHeight() const { return surface_.Scale().Height(surface_.ClientSize()); }
void UserControl::SetScaleHeight(Single height) { surface_.Scale().SetHeight(height, surface_.ClientSize()); }
void UserControl::Scale(Single x1, Single y1, Single x2, Single y2) { surface_.Scale().Scale(x1, y1, x2, y2); }

Single UserControl::ScaleX(Single width, std::optional<Integer> fromScale, std::optional<Integer> toScale) const {
  return ScaleLength(width, fromScale, toScale, true);
}

Single UserControl::ScaleY(Single height, std::optional<Integer> fromScale, std::optional<Integer> toScale) const {
  return ScaleLength(height, fromScale, toScale, false);
}

// The container's units go through HIMETRIC, which the surface converts
// to and from all of its own.
Single UserControl::ScaleLength(Single length, std::optional<Integer> fromScale, std::optional<Integer> toScale,
                                bool across) const {
  const auto isContainerUnit = [](Integer unit) { return unit == vbContainerPosition || unit == vbContainerSize; };
  Integer from = fromScale.value_or(vbHimetric);
  const Integer to = toScale.value_or(surface_.Scale().Mode());
  if (isContainerUnit(from)) {
    length = static_cast<Single>(ThroughContainer(length, across, from == vbContainerPosition, false));
    from = vbHimetric;
  }
  const auto convert = [&](Integer target) {
    return across ? surface_.ScaleX(length, from, target) : surface_.ScaleY(length, from, target);
  };
  if (!isContainerUnit(to)) return convert(to);
  return static_cast<Single>(ThroughContainer(convert(vbHimetric), across, to == vbContainerPosition, true));
}

double UserControl::ThroughContainer(double length, bool across, bool position, bool toContainer) const {
  const auto value = static_cast<FLOAT>(length);
  const POINTF point{across ? value : 0.0F, across ? 0.0F : value};
  const POINTF converted = site_ != nullptr ? site_->TransformCoords(point, position, toContainer) : point;
  return across ? converted.x : converted.y;
}

void UserControl::Refresh() {
  InvalidateRect(window_.get(), nullptr, TRUE);
  UpdateWindow(window_.get());
}

const AmbientProperties& UserControl::Ambient() const {
  if (site_ == nullptr) throw RuntimeError(error_number::ObjectRequired, "the control is not sited");
  return site_->Ambient();
}

Extender& UserControl::Extender() const {
  host::Extender* extender = site_ != nullptr ? site_->Extender() : nullptr;
  if (extender == nullptr) throw RuntimeError(error_number::ObjectRequired, "the container offers no extender");
  return *extender;
}

void UserControl::PropertyChanged(std::string_view propertyName) {
  if (site_ != nullptr) site_->PropertyChanged(propertyName);
}

void UserControl::RequireDesignTime(std::string_view propertyName) const {
  if (Ambient().UserMode) {
    throw RuntimeError(error_number::PropertyReadOnly, "'" + std::string(propertyName) + "' property is read-only");
  }
}

void UserControl::RaiseResize() {
  const SIZE size = surface_.ClientSize();
  // A parked control has no container to size against: its Resize waits
  // until the container places it.
  if (!propertiesRead_ || parked_ || (size.cx == lastSize_.cx && size.cy == lastSize_.cy)) return;
  lastSize_ = size;
  RunEventHandler([this] { UserControl_Resize(); });
}

// With AutoRedraw the surface shows its bitmap and there is no Paint event.
void UserControl::Paint() {
  if (site_ != nullptr) site_->SurfacePainting();
  const PaintScope paint(window_.get());
  if (!surface_.PaintPersistent(paint.dc(), paint.area())) RunEventHandler([this] { UserControl_Paint(); });
}

// Once a constituent control takes Tab stops, the surface becomes a control
// parent: dialog navigation then walks into it instead of stopping on it. A
// surface without such controls stays a tab stop of its own.
void UserControl::AdoptConstituent(HWND child) {
  if ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) == 0) return;
  SetWindowLongA(window_.get(), GWL_EXSTYLE, GetWindowLongA(window_.get(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
}

LRESULT UserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Constituent controls raise their events and take their colours as on a form.
  if (const std::optional<LRESULT> routed = Control::RouteFromParent(message, wParam, lParam)) return *routed;
  switch (message) {
    case WM_SIZE:
      surface_.Resized();
      RaiseResize();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return surface_.EraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(surface_.FontHandle());
    case WM_SETCURSOR:
      if (surface_.SetCursorForHit(lParam)) return TRUE;
      return DefWindowProcA(window_.get(), message, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      return MouseMessage(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      return KeyMessage(message, wParam, lParam);
    case WM_SETFOCUS:
      RunEventHandler([this] { UserControl_GotFocus(); });
      return 0;
    case WM_PARENTNOTIFY:
      if (LOWORD(wParam) == WM_CREATE) AdoptConstituent(reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      return DefWindowProcA(window_.get(), message, wParam, lParam);
  }
}

}  // namespace host
