#include <gtest/gtest.h>

#include <windows.h>

#include "host/controls/frame.h"
#include "host/forms/form.h"
#include "host/services/message_box.h"
#include "host/testing/message_box_watcher.h"
#include "host/tests/probe_control.h"
#include "host/usercontrol/form_control_site.h"

namespace host {
namespace {

class ProbeForm : public Form {
 public:
  ProbeForm() : Form("ProbeForm") {}
  Frame Frame1{*this, "Frame1"};
  UserControlHost<testing_support::Probe> Probe2{*this, "Probe2"};
  UserControlHost<testing_support::Probe> Probe1{*this, "Probe1"};
};

TEST(FormFocus, TheControlThatHadTheFocusGetsItBackAfterAMessageBox) {
  ProbeForm form;
  form.Show();
  const HWND focused = form.Probe1->hWnd();
  SetFocus(focused);
  ASSERT_EQ(GetFocus(), focused);
  {
    testing::MessageBoxWatcher watcher;
    MsgBox("deactivates the form");
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(GetFocus(), focused);
  form.Unload();
}

}  // namespace
}  // namespace host
