#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/forms/bindable.h"
#include "host/usercontrol/site.h"
#include "host/usercontrol/user_control.h"

namespace host {

// A user control placed on a form of this program (a private control): the
// form creates it from its description block, reads its property bag from
// that block, shows, hides and unloads it with the form, and is its
// extender. Ambient properties follow the form; UserMode is True.
class FormControlSite : public Bindable, public UserControlSite, public Extender {
 public:
  using Factory = std::function<UserControlPtr()>;
  FormControlSite(Form& form, std::string name, Factory factory);
  FormControlSite(ArrayElement, std::string name, Integer index, Factory factory);
  ~FormControlSite() override;

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override;
  void Release() override;
  void FormShown() override;
  void FormHidden() override;
  void FormAmbientChanged(std::string_view propertyName) override;

  HWND ContainerWindow() override { return containerWindow_; }
  const AmbientProperties& Ambient() const override { return ambient_; }
  host::Extender* Extender() override { return this; }
  void PropertyChanged(std::string_view) override {}
  POINTF TransformCoords(POINTF point, bool position, bool toContainer) override;

  std::string Name() const override { return name_; }
  Integer Index() const override { return index_; }
  ContainerObject* Container() override;
  Form* Parent() override { return form_; }
  Long Left() const override;
  Long Top() const override;
  Long Width() const override;
  Long Height() const override;
  void Move(Long left, Long top, Long width, Long height) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  // The surface takes its place in the form's tab order like an intrinsic control.
  Integer TabIndex() const { return tabIndex_; }
  void SetTabIndex(Integer tabIndex);

 protected:
  UserControl& Object() const;

 private:
  void RefreshAmbient();

  std::string name_;
  Integer index_ = -1;
  Factory factory_;
  UserControlPtr control_;
  // The control of the last load, kept until the next unload: the form may
  // unload from inside the control's own code (an event it raises, a
  // message loop it runs).
  UserControlPtr unloaded_;
  Form* form_ = nullptr;
  HWND containerWindow_ = nullptr;
  AmbientProperties ambient_;
  bool visible_ = true;
  Integer tabIndex_ = 0;
};

// The typed handle a form declares for each user control it holds:
//   UserControlHost<DayGrid> DayGrid1{*this, "DayGrid1"};
//   DayGrid1->SetDayGridStyle(1);
template <typename T>
class UserControlHost : public FormControlSite {
 public:
  UserControlHost(Form& form, std::string name)
      : FormControlSite(form, std::move(name), [] { return MakeUserControl<T>(); }) {}
  UserControlHost(ArrayElement tag, std::string name, Integer index)
      : FormControlSite(tag, std::move(name), index, [] { return MakeUserControl<T>(); }) {}
  T* operator->() const { return &static_cast<T&>(Object()); }
  T& operator*() const { return static_cast<T&>(Object()); }
};

}  // namespace host
