#include "wrappers/spinglyph/animated_icon.h"

#include <string>

#include "host/runtime/color.h"
#include "host/runtime/error.h"
#include "host/runtime/resume_next.h"
#include "host/runtime/text.h"
#include "host/services/app.h"
#include "host/services/dir.h"
#include "host/services/screen.h"
#include "host/win32/gateway.h"

namespace spinglyph {
namespace {

using host::Win32Function;

const Win32Function<decltype(::CreateWindowExA)> CreateWindowExA_{"user32", "CreateWindowExA"};
const Win32Function<decltype(::LoadImageA)> LoadImageA_{"user32", "LoadImageA"};
const Win32Function<decltype(::SendMessageA)> SendMessageA_{"user32", "SendMessageA"};

constexpr int kIconPixels = 32;

// The runtime's 16-bit arithmetic: a result out of range is an overflow.
host::Integer IntegerProduct(host::Long a, host::Long b) {
  const host::Long product = a * b;
  if (product < -32768 || product > 32767) throw host::RuntimeError(host::error_number::Overflow);
  return static_cast<host::Integer>(product);
}

}  // namespace

void AnimatedIcon::UserControl_Initialize() {
  host::ResumeNext rn;
  rn([&] {
    StaticHandle.reset(CreateWindowExA_(
        0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, kIconPixels, kIconPixels, UserControl::hWnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), host::App().hInstance(), nullptr));
  });
}

void AnimatedIcon::LoadIconImage() {
  host::ResumeNext rn;
  rn([&] { IconHandle.reset(); });
  std::string found;
  rn([&] {
    const std::string trimmed = host::Trim(StoredFileName);
    if (!trimmed.empty()) found = host::Dir(trimmed);
  });
  if (!found.empty()) {
    rn([&] {
      IconHandle.reset(
          static_cast<HICON>(LoadImageA_(nullptr, StoredFileName.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    });
  } else if (StoredResourceID != 0) {
    rn([&] {
      const std::string name = std::to_string(StoredResourceID);
      IconHandle.reset(
          static_cast<HICON>(LoadImageA_(host::App().hInstance(), name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
    });
  }
  // Without a new image the static is cleared, so it never draws the icon just destroyed.
  rn([&] { SendMessageA_(StaticHandle.get(), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(IconHandle.get())); });
}

void AnimatedIcon::UserControl_Resize() {
  host::ResumeNext rn;
  rn([&] {
    const host::Long side = kIconPixels + 2 * UserControl::BorderStyle();
    Size(IntegerProduct(side, host::Screen().TwipsPerPixelX()), IntegerProduct(side, host::Screen().TwipsPerPixelY()));
  });
}

void AnimatedIcon::UserControl_Show() { UserControl_Resize(); }

void AnimatedIcon::UserControl_Terminate() {
  host::ResumeNext rn;
  rn([&] { StaticHandle.reset(); });
  rn([&] { IconHandle.reset(); });
}

void AnimatedIcon::SetAniFileName(std::string_view New_AniFileName) {
  StoredFileName = New_AniFileName;
  LoadIconImage();
}

void AnimatedIcon::SetAniResourceID(host::Long New_AniResourceID) {
  StoredResourceID = New_AniResourceID;
  LoadIconImage();
}

void AnimatedIcon::SetBackColor(host::OleColor New_BackColor) {
  UserControl::SetBackColor(New_BackColor);
  PropertyChanged("BackColor");
}

void AnimatedIcon::UserControl_ReadProperties(const host::PropertyBag& PropBag) {
  host::ResumeNext rn;
  rn([&] { UserControl::SetBackColor(PropBag.ReadProperty<host::OleColor>("BackColor", host::vbButtonFace)); });
  rn([&] { StoredFileName = PropBag.ReadProperty<std::string>("AniFileName", ""); });
  rn([&] { StoredResourceID = PropBag.ReadProperty<host::Long>("AniResourceID", 0); });
  rn([&] { LoadIconImage(); });
  host::Err().Clear();
}

void AnimatedIcon::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::ResumeNext rn;
  rn([&] { PropBag.WriteProperty<host::OleColor>("BackColor", UserControl::BackColor(), host::vbButtonFace); });
  rn([&] { PropBag.WriteProperty<std::string>("AniFileName", StoredFileName, ""); });
  rn([&] { PropBag.WriteProperty<host::Long>("AniResourceID", StoredResourceID, 0); });
  host::Err().Clear();
}

}  // namespace spinglyph
