#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/drawing/drawing_surface.h"
#include "host/drawing/surface_mouse.h"
#include "host/forms/bindable.h"
#include "host/forms/container_object.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"
#include "host/win32/unique_handle.h"
#include "host/win32/window_class.h"

namespace host {

class Menu;
class PropertyBag;

inline constexpr Integer vbFormControlMenu = 0;
inline constexpr Integer vbFormCode = 1;
inline constexpr Integer vbAppWindows = 2;

// A form: one top-level window of the class all forms share, built from the
// form description resource named like the form. A program derives one class
// per form, declares its controls as members bound by name, and overrides the
// event handlers it needs. The object outlives its window: unloading destroys
// the window, and the next use loads the form afresh.
class Form : public ContainerObject {
 public:
  explicit Form(std::string name);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  std::string Name() const override { return name_; }
  HWND hWnd() override;  // loads the form when needed
  bool IsLoaded() const { return static_cast<bool>(window_); }
  // Between the window's creation and Form_Load: the objects are being made.
  bool IsCreatingObjects() const { return creatingObjects_; }

  void Load();
  void Show();
  void Hide();
  // Unloads from code (unload mode vbFormCode); false when a handler cancelled.
  bool Unload();
  void ZOrder();
  void Refresh();
  void Move(Long left, Long top, Long width, Long height);

  std::string Caption() const;
  void SetCaption(std::string_view caption);
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // The client area as a drawing surface: colours, font, picture, pointer,
  // AutoRedraw and the graphics methods (Print, Cls, Circle, PSet,
  // PaintPicture...). Using it loads the form; each load starts a fresh one
  // with the description's settings.
  DrawingSurface& Surface();
  const DrawingSurface& Surface() const { return *surface_; }
  OleColor BackColor() const { return surface_->BackColor(); }
  void SetBackColor(OleColor color);
  OleColor ForeColor() const { return surface_->ForeColor(); }
  void SetForeColor(OleColor color);
  const host::Font& Font() const { return surface_->Font(); }
  void SetFont(const host::Font& font);
  // The control libraries the form's description names (its `Object =` lines).
  const std::vector<ControlLibraryReference>& ControlLibraries() const { return libraries_; }

  // Outer position and size, in twips.
  Long Left() const;
  Long Top() const;
  Long Width() const;
  Long Height() const;
  // The client area's coordinate system; see ScaleModel.
  Integer ScaleMode() const { return surface_->Scale().Mode(); }
  void SetScaleMode(Integer mode);
  Single ScaleLeft() const { return surface_->Scale().Left(); }
  void SetScaleLeft(Single left);
  Single ScaleTop() const { return surface_->Scale().Top(); }
  void SetScaleTop(Single top);
  Single ScaleWidth() const;
  void SetScaleWidth(Single width);
  Single ScaleHeight() const;
  void SetScaleHeight(Single height);
  void Scale(Single x1, Single y1, Single x2, Single y2);

  // Called by the members the derived form declares.
  void RegisterBinding(std::string name, Bindable& binding);

  // The window procedure of the shared class.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static const char* WindowClassName();

  UINT AddMenuCommand(Menu& item);
  // A title whose Click runs as its pop-up opens.
  void AddMenuPopup(HMENU popup, Menu& title);

 protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(Integer& /*Cancel*/, Integer /*UnloadMode*/) {}
  virtual void Form_Unload(Integer& /*Cancel*/) {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}
  virtual void Form_MouseDown(Integer& /*Button*/, Integer& /*Shift*/, Single& /*X*/, Single& /*Y*/) {}
  virtual void Form_MouseMove(Integer& /*Button*/, Integer& /*Shift*/, Single& /*X*/, Single& /*Y*/) {}
  virtual void Form_MouseUp(Integer& /*Button*/, Integer& /*Shift*/, Single& /*X*/, Single& /*Y*/) {}
  virtual void Form_Resize() {}
  virtual void Form_Paint() {}

 private:
  friend void End();
  friend LRESULT CALLBACK ObjectWindowProc<Form>(HWND, UINT, WPARAM, LPARAM);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateWindowFrom(const ObjectDescription& description, bool hasMenus);
  void ReadScale(const PropertyBag& bag);
  void CreateObjects(const std::vector<ObjectDescription>& descriptions, const CreationContext& context);
  Bindable& BindingFor(const ObjectDescription& description);
  bool UnloadWithMode(Integer mode);
  // QueryUnload with its mode; true when nobody cancelled and the form is still loaded.
  bool QueryUnload(Integer mode);
  // The Unload event, then the window goes; false when the handler cancelled.
  bool FinishUnload();
  void Destroy();
  void Paint();
  bool RaiseMenuClick(WPARAM wParam, LPARAM lParam);
  void OpenMenuPopup(HMENU popup);
  LRESULT QueryEndSession();
  void EndSession(WPARAM ending);
  bool KeepFocusAcrossActivation(WPARAM wParam);

  std::string name_;
  std::vector<ControlLibraryReference> libraries_;
  UniqueWindow window_;
  std::vector<std::pair<std::string, Bindable*>> bindings_;
  std::vector<Bindable*> created_;
  std::map<UINT, Menu*> menuCommands_;
  std::map<HMENU, Menu*> menuPopups_;
  std::unique_ptr<DrawingSurface> surface_ = std::make_unique<DrawingSurface>();
  SurfaceMouse mouse_;
  HWND lastFocus_ = nullptr;
  bool creatingObjects_ = false;
};

}  // namespace host
