#include "wrappers/latchwire/form1.h"

#include <windows.h>

#include "host/runtime/date.h"
#include "host/runtime/number_text.h"
#include "host/runtime/numeric.h"
#include "host/runtime/resume_next.h"
#include "host/services/beep.h"
#include "host/services/message_box.h"
#include "host/services/timer.h"

namespace latchwire {
namespace {

host::LongPtr WindowNumber(HWND window) { return reinterpret_cast<host::LongPtr>(window); }

}  // namespace

Form1::Form1() : Form("Form1") {}

void Form1::Form_Load() {
  // The control exists only once the form has created it from its description.
  LatchwireMe1->WindowMessages.Connect(
      [this](host::LongPtr mhWnd, host::Long& wMsg, host::LongPtr& wParam, host::LongPtr& lParam, host::Long wTime) {
        LatchwireMe1_WindowMessages(mhWnd, wMsg, wParam, lParam, wTime);
      });
  List1.Clear();
  for (int counter = 0; counter <= 20; ++counter) {
    List1.AddItem(host::CStr(host::Timer()) + host::CStr(host::Rnd()));
  }
}

void Form1::LatchwireMe1_WindowMessages(host::LongPtr mhWnd, host::Long& wMsg, host::LongPtr& wParam,
                                        host::LongPtr& /*lParam*/, host::Long /*wTime*/) {
  host::ResumeNext rn;
  switch (wMsg) {
    case WM_NCLBUTTONDOWN:
      if (mhWnd == WindowNumber(hWnd())) TitleBarPressed(wParam);
      break;
    case WM_KEYDOWN:
      if (mhWnd == WindowNumber(Text1.hWnd()) && wParam == VK_TAB) {
        if (host::Val(Text1.Text()) > 99) break;
        wParam = 0;
        host::Beep();
        rn([&] { host::MsgBox("Value must be more than 99", host::vbCritical); });
      }
      break;
    case WM_LBUTTONDOWN:
      if (mhWnd == WindowNumber(Command1.hWnd()) || (mhWnd == WindowNumber(List1.hWnd()) && List1.ListIndex() == 1)) {
        host::Beep();
        wMsg = 0;
      }
      break;
    default:
      break;
  }
}

void Form1::TitleBarPressed(host::LongPtr& wParam) {
  host::ResumeNext rn;
  switch (wParam) {
    case HTCAPTION:
      wParam = 0;
      rn([&] { host::MsgBox(host::DateText(host::TimeOfDay())); });
      break;
    case HTMAXBUTTON:
      host::Beep();
      wParam = 0;
      break;
    case HTBOTTOMRIGHT:
      wParam = 0;
      rn([&] { host::MsgBox("Right+Bottom border clicked."); });
      break;
    default:
      break;
  }
}

}  // namespace latchwire
