#include "wrappers/daygrid/form1.h"

#include <cstdlib>
#include <limits>

#include "host/runtime/date.h"
#include "host/runtime/error.h"
#include "host/runtime/numeric.h"

namespace daygrid {

Form1::Form1() : Form("Form1") {
  Check1.Click.Connect([this] { Check1_Click(); });
  Command1.Click.Connect([this] { Command1_Click(); });
}

void Form1::Check1_Click() { DayGrid1->SetDayGridStyle(std::abs(Check1.Value())); }

void Form1::Command1_Click() {
  const host::Long day = host::CLng(DayGrid1->DayGridDate().Serial());
  if (day == std::numeric_limits<host::Long>::min()) host::Err().Raise(host::error_number::Overflow);
  DayGrid1->SetDayGridDate(host::Date(day - 1));
  Label1.SetCaption(host::DateText(DayGrid1->DayGridDate()));
}

}  // namespace daygrid
