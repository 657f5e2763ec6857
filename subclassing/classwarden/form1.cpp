#include "subclassing/classwarden/form1.h"

#include "subclassing/classwarden/module1.h"
#include "subclassing/classwarden/program_forms.h"

namespace classwarden {

Form1::Form1() : Form("Form1") {}

void Form1::Form_Click() { Form2Instance().Show(); }

void Form1::Form_Unload(host::Integer&) { Module1::UnloadOtherForms(*this); }

}  // namespace classwarden
