#pragma once

#include "host/container/activex_host.h"
#include "host/forms/form.h"

namespace shapetrial {

// Four transparent controls that cut their holes into the form when it is
// first shown; the form has no code of its own.
class Form2 : public host::Form {
 public:
  Form2() : Form("Form2") {}

  host::ActiveXHost RegionTransparent2{*this, "RegionTransparent2"};
  host::ActiveXHost RegionTransparent1{*this, "RegionTransparent1"};
  host::ActiveXHost RegionTransparent4{*this, "RegionTransparent4"};
  host::ActiveXHost RegionTransparent3{*this, "RegionTransparent3"};
};

}  // namespace shapetrial
