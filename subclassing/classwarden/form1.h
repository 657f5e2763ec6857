#pragma once

#include "host/forms/form.h"

namespace classwarden {

// The main form: a click opens Form2; unloading takes every other form along.
class Form1 : public host::Form {
 public:
  Form1();

 protected:
  void Form_Click() override;
  void Form_Unload(host::Integer& Cancel) override;
};

}  // namespace classwarden
