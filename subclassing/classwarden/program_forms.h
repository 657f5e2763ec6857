#pragma once

#include <memory>

#include "host/forms/form.h"
#include "subclassing/classwarden/form1.h"

namespace classwarden {

// The program's form variables, one instance per form.
Form1& Form1Instance();
host::Form& Form2Instance();
// Empty until the start-up routine loads the dummy form, and again once the
// form has served to reach the forms' class.
std::unique_ptr<host::Form>& MyDummyFormInstance();

}  // namespace classwarden
