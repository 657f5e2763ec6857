#pragma once

#include <string>
#include <vector>

#include "host/com/com_ptr.h"
#include "host/com/stored_picture.h"
#include "host/controls/command_button.h"
#include "host/controls/frame.h"
#include "host/forms/form.h"
#include "host/runtime/event.h"
#include "host/usercontrol/form_control_site.h"
#include "host/usercontrol/user_control.h"

namespace host::testing_support {

// A user control that logs its events and persists three properties.
class Probe : public UserControl {
 public:
  std::vector<std::string> events;
  std::string caption = "default";
  ComPtr<IPictureDisp> picture;
  Event<Long, Long&> Asked;

  void SetCaption(const std::string& value) {
    caption = value;
    PropertyChanged("Caption");
  }
  void SetDesignOnly(Long) { RequireDesignTime("DesignOnly"); }
  Long Ask(Long question) {
    Long answer = 0;
    Asked.Raise(question, answer);
    return answer;
  }

 protected:
  void UserControl_Initialize() override { events.push_back("Initialize"); }
  void UserControl_InitProperties() override {
    events.push_back("InitProperties");
    SetFont(Ambient().Font);
  }
  void UserControl_ReadProperties(const PropertyBag& PropBag) override {
    events.push_back("ReadProperties");
    caption = PropBag.ReadProperty<std::string>("Caption", "default");
    SetBackColor(PropBag.ReadProperty<OleColor>("BackColor", vbButtonFace));
    SetBorderStyle(PropBag.ReadProperty<Integer>("BorderStyle", 0));
    SetFont(PropBag.ReadProperty<host::Font>("Font", Ambient().Font));
    picture = ReadPictureProperty(PropBag, "Picture");
  }
  void UserControl_WriteProperties(PropertyBag& PropBag) override {
    events.push_back("WriteProperties");
    PropBag.WriteProperty<std::string>("Caption", caption, "default");
    PropBag.WriteProperty<OleColor>("BackColor", BackColor(), vbButtonFace);
    PropBag.WriteProperty<Integer>("BorderStyle", BorderStyle(), 0);
    PropBag.WriteProperty<host::Font>("Font", Font(), Ambient().Font);
    WritePictureProperty(PropBag, "Picture", picture.Get());
  }
  void UserControl_Resize() override { events.push_back("Resize"); }
  void UserControl_Show() override { events.push_back("Show"); }
  void UserControl_Hide() override { events.push_back("Hide"); }
  void UserControl_Terminate() override { events.push_back("Terminate"); }
  void UserControl_AmbientChanged(const std::string& PropertyName) override {
    events.push_back("AmbientChanged " + PropertyName);
  }
};

// The form of ProbeForm.frm; its first probe may be of a derived class.
template <typename FirstProbe = Probe>
class ProbeFormOf : public Form {
 public:
  ProbeFormOf() : Form("ProbeForm") {}
  Frame Frame1{*this, "Frame1"};
  UserControlHost<Probe> Probe2{*this, "Probe2"};
  UserControlHost<FirstProbe> Probe1{*this, "Probe1"};
  CommandButton Inside{*this, "Inside"};
};
using ProbeForm = ProbeFormOf<>;

}  // namespace host::testing_support
