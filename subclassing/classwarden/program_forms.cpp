#include "subclassing/classwarden/program_forms.h"

namespace classwarden {

Form1& Form1Instance() {
  static Form1 form;
  return form;
}

host::Form& Form2Instance() {
  static host::Form form("Form2");
  return form;
}

std::unique_ptr<host::Form>& MyDummyFormInstance() {
  static std::unique_ptr<host::Form> form;
  return form;
}

}  // namespace classwarden
