#pragma once

#include "host/forms/form.h"
#include "host/usercontrol/form_control_site.h"
#include "wrappers/spinglyph/animated_icon.h"

namespace spinglyph {

// Three animated cursors in a row; the form has no code of its own.
class Form1 : public host::Form {
 public:
  Form1() : Form("Form1") {}

  host::UserControlHost<AnimatedIcon> AnimatedIcon1{*this, "AnimatedIcon1"};
  host::UserControlHost<AnimatedIcon> AnimatedIcon2{*this, "AnimatedIcon2"};
  host::UserControlHost<AnimatedIcon> AnimatedIcon3{*this, "AnimatedIcon3"};
};

}  // namespace spinglyph
