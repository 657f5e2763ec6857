#include "host/forms/form.h"

#include <algorithm>

#include "host/description/form_resource.h"
#include "host/description/property_bag.h"
#include "host/drawing/surface_settings.h"
#include "host/forms/forms_collection.h"
#include "host/runtime/ascii_text.h"
#include "host/runtime/color.h"
#include "host/runtime/error.h"
#include "host/runtime/untrapped_error.h"
#include "host/services/app.h"
#include "host/services/screen.h"
#include "host/services/twips_placement.h"

namespace host {
namespace {

struct FrameStyle {
  DWORD style;
  DWORD extendedStyle;
};

FrameStyle FrameStyleFrom(const PropertyBag& bag) {
  const Integer borderStyle = bag.ReadProperty<Integer>("BorderStyle", 2);
  const bool resizable = borderStyle == 2 || borderStyle == 5;
  const bool buttonsByDefault = borderStyle == 1 || borderStyle == 2;
  FrameStyle frame{WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  if (borderStyle == 0) {
    frame.style |= WS_POPUP;
    return frame;
  }
  frame.style |= WS_CAPTION | (resizable ? WS_THICKFRAME : WS_BORDER);
  if (borderStyle == 3) frame.extendedStyle |= WS_EX_DLGMODALFRAME;
  if (borderStyle >= 4) frame.extendedStyle |= WS_EX_TOOLWINDOW;
  if (static_cast<bool>(bag.ReadProperty<Boolean>("ControlBox", True))) frame.style |= WS_SYSMENU;
  if (static_cast<bool>(bag.ReadProperty<Boolean>("MinButton", buttonsByDefault))) frame.style |= WS_MINIMIZEBOX;
  if (static_cast<bool>(bag.ReadProperty<Boolean>("MaxButton", buttonsByDefault))) frame.style |= WS_MAXIMIZEBOX;
  return frame;
}

// The program's icon (icon 1 of its resources), else the system's default one.
HICON ProgramIcon(int metricX, int metricY) {
  const int width = GetSystemMetrics(metricX);
  const int height = GetSystemMetrics(metricY);
  const HANDLE own = LoadImageA(App().hInstance(), MAKEINTRESOURCEA(1), IMAGE_ICON, width, height, LR_SHARED);
  if (own != nullptr) return static_cast<HICON>(own);
  return LoadIcon(nullptr, IDI_APPLICATION);
}

std::string RegisterFormClass() {
  WNDCLASSEXA windowClass{};
  // A DC of its own keeps what the drawing surface sets in it (CS_OWNDC).
  windowClass.style = CS_DBLCLKS | CS_OWNDC;
  windowClass.lpfnWndProc = Form::WindowProc;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = ProgramIcon(SM_CXICON, SM_CYICON);
  windowClass.hIconSm = ProgramIcon(SM_CXSMICON, SM_CYSMICON);
  return RegisterModuleClass("HostFormWindow", windowClass);
}

}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

// The derived form's members are gone by now and took their windows' links
// with them (a bound object unhooks itself when destroyed): only the window
// is left to destroy.
Form::~Form() {
  created_.clear();
  Destroy();
}

const char* Form::WindowClassName() {
  static const std::string name = RegisterFormClass();
  return name.c_str();
}

HWND Form::hWnd() {
  Load();
  return window_.get();
}

void Form::RegisterBinding(std::string name, Bindable& binding) { bindings_.emplace_back(std::move(name), &binding); }

UINT Form::AddMenuCommand(Menu& item) {
  const UINT command = static_cast<UINT>(menuCommands_.size()) + 1;
  menuCommands_[command] = &item;
  return command;
}

void Form::AddMenuPopup(HMENU popup, Menu& title) { menuPopups_[popup] = &title; }

void Form::Load() {
  if (IsLoaded()) return;
  const ObjectDescription description = LoadFormDescription(name_);
  const bool hasMenus =
      std::any_of(description.children.begin(), description.children.end(),
                  [](const ObjectDescription& child) { return EqualsIgnoreCase(child.className, "VB.Menu"); });
  libraries_ = description.libraries;
  CreateWindowFrom(description, hasMenus);
  Forms().Add(*this);
  UniqueMenu bar(hasMenus ? CreateMenu() : nullptr);
  try {
    creatingObjects_ = true;
    CreateObjects(description.children, CreationContext{*this, window_.get(), bar.get()});
    creatingObjects_ = false;
  } catch (const RuntimeError&) {
    creatingObjects_ = false;
    Destroy();  // a form that failed to load is not loaded at all
    throw;
  }
  if (bar && SetMenu(window_.get(), bar.get())) [[maybe_unused]]
    const HMENU owned = bar.release();
  for (Bindable* binding : created_) binding->FormObjectsCreated();
  RunEventHandler([this] { Form_Load(); });
}

void Form::CreateWindowFrom(const ObjectDescription& description, bool hasMenus) {
  const PropertyBag bag(description.properties, name_);
  const FrameStyle frame = FrameStyleFrom(bag);
  const std::string caption = bag.ReadProperty<std::string>("Caption", name_);
  const bool hasClientSize = bag.Contains("ClientWidth");
  RECT bounds{0, 0, PixelsFromTwipsX(bag.ReadProperty<Long>(hasClientSize ? "ClientWidth" : "Width", 4800)),
              PixelsFromTwipsY(bag.ReadProperty<Long>(hasClientSize ? "ClientHeight" : "Height", 3600))};
  if (hasClientSize) AdjustWindowRectEx(&bounds, frame.style, hasMenus, frame.extendedStyle);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const Integer startUp = bag.ReadProperty<Integer>("StartUpPosition", bag.Contains("ClientLeft") ? 0 : 3);
  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  if (startUp == 0) {
    left = PixelsFromTwipsX(bag.ReadProperty<Long>("ClientLeft", bag.ReadProperty<Long>("Left", 0)));
    top = PixelsFromTwipsY(bag.ReadProperty<Long>("ClientTop", bag.ReadProperty<Long>("Top", 0)));
  } else if (startUp == 1 || startUp == 2) {
    left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  window_.reset(CreateWindowExA(frame.extendedStyle, WindowClassName(), caption.c_str(), frame.style, left, top, width,
                                height, nullptr, nullptr, App().hInstance(), this));
  if (!window_) throw RuntimeError(error_number::OutOfMemory, name_ + ": the form window could not be created");
  // On the window itself too, where the task bar and other programs ask for it.
  SendMessageA(window_.get(), WM_SETICON, ICON_BIG, static_cast<LPARAM>(GetClassLongPtrA(window_.get(), GCLP_HICON)));
  SendMessageA(window_.get(), WM_SETICON, ICON_SMALL,
               static_cast<LPARAM>(GetClassLongPtrA(window_.get(), GCLP_HICONSM)));
  surface_ = std::make_unique<DrawingSurface>();
  surface_->Attach(window_.get());
  ReadSurfaceSettings(*surface_, bag);
  if (!static_cast<bool>(bag.ReadProperty<Boolean>("Enabled", True))) EnableWindow(window_.get(), FALSE);
  ReadScale(bag);
}

// A fixed mode's ScaleWidth and ScaleHeight in the description only restate
// the client size; user units are stored as the four values.
void Form::ReadScale(const PropertyBag& bag) {
  ScaleModel& scale = surface_->Scale();
  const SIZE client = surface_->ClientSize();
  scale.SetMode(bag.ReadProperty<Integer>("ScaleMode", vbTwips), client);
  if (scale.Mode() != vbUser) return;
  const Single left = bag.ReadProperty<Single>("ScaleLeft", 0);
  const Single top = bag.ReadProperty<Single>("ScaleTop", 0);
  scale.Scale(left, top, left + bag.ReadProperty<Single>("ScaleWidth", scale.Width(client)),
              top + bag.ReadProperty<Single>("ScaleHeight", scale.Height(client)));
}

void Form::CreateObjects(const std::vector<ObjectDescription>& descriptions, const CreationContext& context) {
  for (const ObjectDescription& description : descriptions) {
    Bindable& binding = BindingFor(description);
    // Listed before it is created, so that a failed load releases it too.
    if (std::find(created_.begin(), created_.end(), &binding) == created_.end()) created_.push_back(&binding);
    const CreationContext inner = binding.Create(description, context);
    CreateObjects(description.children, inner);
  }
}

Bindable& Form::BindingFor(const ObjectDescription& description) {
  for (const auto& [name, binding] : bindings_) {
    if (EqualsIgnoreCase(name, description.name)) return *binding;
  }
  throw RuntimeError(error_number::InvalidPropertyValue,
                     name_ + "." + description.name + ": the form has no member for this " + description.className);
}

void Form::Show() {
  Load();
  if (IsWindowVisible(window_.get())) {
    ZOrder();
    return;
  }
  ShowWindow(window_.get(), SW_SHOW);
  SetForegroundWindow(window_.get());
  // By index: a control's Show handler may run a message loop in which the
  // form unloads and empties the list.
  for (std::size_t at = 0; at < created_.size(); ++at) created_[at]->FormShown();
}

void Form::Hide() {
  if (!IsLoaded() || !IsWindowVisible(window_.get())) return;
  ShowWindow(window_.get(), SW_HIDE);
  for (Bindable* binding : created_) binding->FormHidden();
}

bool Form::Unload() { return UnloadWithMode(vbFormCode); }

bool Form::UnloadWithMode(Integer mode) {
  if (!IsLoaded()) return true;
  if (!QueryUnload(mode)) return !IsLoaded();
  return FinishUnload();
}

bool Form::QueryUnload(Integer mode) {
  Integer cancel = 0;
  RunEventHandler([&] { Form_QueryUnload(cancel, mode); });
  return cancel == 0 && IsLoaded();
}

bool Form::FinishUnload() {
  if (!IsLoaded()) return true;
  Integer cancel = 0;
  RunEventHandler([&] { Form_Unload(cancel); });
  if (cancel != 0) return false;
  Destroy();
  return true;
}

void Form::Destroy() {
  if (!IsLoaded()) return;
  const std::vector<Bindable*> created = std::exchange(created_, {});
  for (Bindable* binding : created) binding->Release();
  menuCommands_.clear();
  menuPopups_.clear();
  surface_->Detach();
  window_.reset();
  // Run's loop sees the empty Forms collection after this message; no
  // WM_QUIT is posted, so a message box shown afterwards still works.
  Forms().Remove(*this);
  // Wakes a loop that waits in GetMessage for the form's end (a control's own loop).
  PostMessageA(nullptr, WM_NULL, 0, 0);
}

void Form::ZOrder() {
  if (IsLoaded()) SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (IsLoaded()) SetForegroundWindow(window_.get());
}

void Form::Refresh() {
  if (!IsLoaded()) return;
  InvalidateRect(window_.get(), nullptr, TRUE);
  UpdateWindow(window_.get());
}

void Form::Move(Long left, Long top, Long width, Long height) { MoveInTwips(hWnd(), left, top, width, height); }

std::string Form::Caption() const {
  if (!IsLoaded()) return {};
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_.get())) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window_.get(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void Form::SetCaption(std::string_view caption) { SetWindowTextA(hWnd(), std::string(caption).c_str()); }

bool Form::Visible() const { return IsLoaded() && IsWindowVisible(window_.get()); }

void Form::SetVisible(bool visible) { visible ? Show() : Hide(); }

bool Form::Enabled() const { return IsLoaded() && IsWindowEnabled(window_.get()); }

void Form::SetEnabled(bool enabled) { EnableWindow(hWnd(), enabled); }

DrawingSurface& Form::Surface() {
  Load();
  return *surface_;
}

void Form::SetBackColor(OleColor color) {
  Surface().SetBackColor(color);
  for (Bindable* binding : created_) binding->FormAmbientChanged("BackColor");
}

void Form::SetForeColor(OleColor color) {
  Surface().SetForeColor(color);
  for (Bindable* binding : created_) binding->FormAmbientChanged("ForeColor");
}

void Form::SetFont(const host::Font& font) {
  Surface().SetFont(font);
  for (Bindable* binding : created_) binding->FormAmbientChanged("Font");
}

Long Form::Left() const { return PlacementInTwips(window_.get()).left; }
Long Form::Top() const { return PlacementInTwips(window_.get()).top; }
Long Form::Width() const { return PlacementInTwips(window_.get()).width; }
Long Form::Height() const { return PlacementInTwips(window_.get()).height; }

void Form::SetScaleMode(Integer mode) { Surface().Scale().SetMode(mode, surface_->ClientSize()); }
void Form::SetScaleLeft(Single left) { Surface().Scale().SetLeft(left, surface_->ClientSize()); }
void Form::SetScaleTop(Single top) { Surface().Scale().SetTop(top, surface_->ClientSize()); }
Single Form::ScaleWidth() const { return surface_->Scale().Width(surface_->ClientSize()); }
void Form::SetScaleWidth(Single width) { Surface().Scale().SetWidth(width, surface_->ClientSize()); }
Single Form::ScaleHeight() const { return surface_->Scale().Height(surface_->ClientSize()); }
void Form::SetScaleHeight(Single height) { Surface().Scale().SetHeight(height, surface_->ClientSize()); }
void Form::Scale(Single x1, Single y1, Single x2, Single y2) { Surface().Scale().Scale(x1, y1, x2, y2); }

}  // namespace host
