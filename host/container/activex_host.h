#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"
#include "host/com/ole_session.h"
#include "host/container/event_sink.h"
#include "host/forms/bindable.h"
#include "host/runtime/types.h"

namespace host {

class ControlSite;
class ExtenderObject;

// An ActiveX control on a form: the form creates it by the class its block
// names (`Begin Library.Class Name`, the library named by an `Object =`
// line), loads it from the block through a property bag, activates it in
// place in the containing window and connects its events; unloading
// deactivates, closes and releases it. Form code reaches the control's
// members, and the members the form adds to every control, by name:
//
//   ActiveXHost Probe1{*this, "Probe1"};
//   Probe1.OnEvent("Asked", [](std::vector<Variant>& arguments) { arguments[1] = Variant(Long{42}); });
//   Probe1.Put("Caption", Variant("new"));
//
// A class that cannot be created is reported as error 429 (the untrapped
// error's box) and the rest of the form loads.
class ActiveXHost : public Bindable {
 public:
  ActiveXHost(Form& form, std::string name);
  ActiveXHost(ArrayElement, std::string name, Integer index);
  ~ActiveXHost() override;
  ActiveXHost(const ActiveXHost&) = delete;
  ActiveXHost& operator=(const ActiveXHost&) = delete;

  // Connected before the form loads; the handler gets Index first in an array.
  void OnEvent(std::string eventName, ActiveXEventHandler handler);

  // The control as form code sees it: the extender, which forwards what it
  // does not know itself. Raises error 424 while the control is not loaded.
  IDispatch& Object() const;
  Variant Get(std::string_view member) const { return GetProperty(Object(), member); }
  void Put(std::string_view member, const Variant& value) const { PutProperty(Object(), member, value); }
  Variant Call(std::string_view member, std::initializer_list<Argument> arguments = {}) const {
    return CallMethod(Object(), member, arguments);
  }
  bool Loaded() const { return static_cast<bool>(control_); }
  // The control's own object, beside the extender: null while not loaded.
  IUnknown* ControlObject() const { return control_.Get(); }

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override;
  void Release() override;
  // Events flow once every object of the form exists.
  void FormObjectsCreated() override;
  // Show and Hide reach the control with its form's.
  void FormShown() override;
  void FormHidden() override;
  // The control rereads the form's ambient property that changed.
  void FormAmbientChanged(std::string_view propertyName) override;

  // The extender's members.
  const std::string& Name() const { return name_; }
  Integer Index() const { return index_; }
  HWND ContainerWindow() const { return containerWindow_; }
  Form& ParentForm() const;
  bool UserMode() const { return userMode_; }
  // Left, top, width and height in twips (in the RECT's four fields).
  RECT PlacementTwips() const;
  // Missing values keep the current ones.
  void Move(const Variant& left, const Variant& top, const Variant& width, const Variant& height);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  Integer TabIndex() const { return tabIndex_; }
  void SetTabIndex(Integer tabIndex);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  const std::string& ToolTipText() const { return toolTipText_; }
  void SetToolTipText(std::string text) { toolTipText_ = std::move(text); }
  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }
  // The control's rectangle in its container's client pixels.
  const RECT& Position() const { return position_; }
  HWND ControlWindow() const;
  // A designer hosts its controls with ambient UserMode False; set before loading.
  void SetUserMode(bool userMode) { userMode_ = userMode; }

 private:
  void CreateControl(const ObjectDescription& description, const CreationContext& context);
  void ConnectEvents();
  void PlaceAt(const RECT& position);
  void SendVerb(LONG verb);

  // Outlives every COM pointer below.
  std::optional<OleSession> ole_;
  std::string name_;
  Integer index_ = -1;
  EventSink::Handlers handlers_;
  Form* form_ = nullptr;
  HWND containerWindow_ = nullptr;
  RECT position_{};
  bool userMode_ = true;
  bool visible_ = true;
  bool tabStop_ = true;
  Integer tabIndex_ = 0;
  std::string toolTipText_;
  std::string tag_;
  bool eventsFrozen_ = false;
  ComPtr<IOleObject> control_;
  ComPtr<ControlSite> site_;
  ComPtr<ExtenderObject> extender_;
  ComPtr<IConnectionPoint> eventPoint_;
  DWORD eventCookie_ = 0;
};

}  // namespace host
