#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/runtime/types.h"
#include "host/usercontrol/user_control.h"
#include "host/win32/bound_handles.h"

namespace spinglyph {

// An icon or animated cursor at its real 32 x 32 pixel size, shown by a
// static child window, from a file or from an icon resource of the program.
// The control keeps itself square: 32 pixels plus its border.
class AnimatedIcon : public host::UserControl {
 public:
  const std::string& AniFileName() const { return StoredFileName; }
  void SetAniFileName(std::string_view New_AniFileName);
  host::Long AniResourceID() const { return StoredResourceID; }
  void SetAniResourceID(host::Long New_AniResourceID);
  void SetBackColor(host::OleColor New_BackColor);

 protected:
  void UserControl_Initialize() override;
  void UserControl_Terminate() override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void UserControl_ReadProperties(const host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;

 private:
  void LoadIconImage();

  // Released through DestroyIcon and DestroyWindow bound by name, like every other call of the control.
  host::BoundIcon IconHandle;
  host::BoundWindow StaticHandle;
  std::string StoredFileName;
  host::Long StoredResourceID = 0;
};

}  // namespace spinglyph
