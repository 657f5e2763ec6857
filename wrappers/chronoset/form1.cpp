#include "wrappers/chronoset/form1.h"

#include "host/runtime/date.h"

namespace chronoset {

Form1::Form1() : Form("Form1") {
  Command1.Click.Connect([this] { Command1_Click(); });
}

void Form1::Command1_Click() {
  DatePicker2.Move(Command1.Left(), Command1.Top(), Command1.Width(), Command1.Height());
  DatePicker2->SetDatePickerDate(DatePicker1->DatePickerDate());
  DatePicker2->ToggleCalendar();
  Command1.SetCaption(host::DateText(DatePicker2->DatePickerDate()));
}

}  // namespace chronoset
