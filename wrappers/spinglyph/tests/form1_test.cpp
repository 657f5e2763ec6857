#include <gtest/gtest.h>

#include <windows.h>

#include "host/services/screen.h"
#include "wrappers/spinglyph/form1.h"

namespace spinglyph {
namespace {

TEST(SpinglyphDemo, ThreeSquareControlsShowTheirCursorsInARow) {
  Form1 form;
  form.Show();
  const host::FormControlSite* row[] = {&form.AnimatedIcon1, &form.AnimatedIcon2, &form.AnimatedIcon3};
  for (const host::FormControlSite* site : row) {
    EXPECT_EQ(site->Width(), 32 * host::Screen().TwipsPerPixelX()) << site->Name();
    EXPECT_EQ(site->Height(), 32 * host::Screen().TwipsPerPixelY()) << site->Name();
  }
  for (const AnimatedIcon* control : {&*form.AnimatedIcon1, &*form.AnimatedIcon2, &*form.AnimatedIcon3}) {
    const HWND shower = GetWindow(control->hWnd(), GW_CHILD);
    EXPECT_NE(SendMessageA(shower, STM_GETIMAGE, IMAGE_ICON, 0), 0) << control->AniFileName();
  }
  EXPECT_EQ(form.AnimatedIcon1->AniFileName(), "GLOBE.ani");
  EXPECT_EQ(form.AnimatedIcon2->AniFileName(), "APPSTART.ANI");
  EXPECT_EQ(form.AnimatedIcon3->AniFileName(), "HOURGLAS.ANI");
  EXPECT_EQ(form.AnimatedIcon1->BackColor(), 0x00C0C0C0u);
  EXPECT_LT(form.AnimatedIcon1.Left(), form.AnimatedIcon2.Left());
  EXPECT_LT(form.AnimatedIcon2.Left(), form.AnimatedIcon3.Left());
  form.Unload();
}

}  // namespace
}  // namespace spinglyph
