#include "converter/shell/main_dialog_layout.h"

#include <array>

namespace converter::shell {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kFrame = kChild | BS_GROUPBOX;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON;
constexpr DWORD kOption = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kFirstOption = kOption | WS_GROUP | WS_TABSTOP;

// In id order, which is also the order the controls are created in.
constexpr std::array<DialogItem, 10> kMainDialogItems{{
    {kFormLabel, "STATIC", "", 5, 15, 209, 12, kLabel},
    {kConversionFrame, "BUTTON", "Conversion Options", 27, 39, 177, 55, kFrame},
    {kConvertButton, "BUTTON", "Convert &VB", 27, 182, 81, 20, kButton},
    {kExitButton, "BUTTON", "E&xit", 123, 182, 81, 20, kButton},
    {kOutputFrame, "BUTTON", "Source Output Options", 27, 103, 177, 65, kFrame},
    {kDdtOption, "BUTTON", "Generate DDT source", 43, 118, 150, 10, kFirstOption},
    {kApi32Option, "BUTTON", "Generate 32 bit API source", 43, 133, 145, 10, kOption},
    {kApi16Option, "BUTTON", "Generate 16 bit API source", 43, 148, 150, 10, kOption},
    {kSingleFormOption, "BUTTON", "Convert single VB Form", 43, 54, 129, 15, kFirstOption},
    {kAllFormsOption, "BUTTON", "Convert all forms in project", 43, 69, 123, 15, kOption},
}};

}  // namespace

std::string_view MainDialogTitle(Edition edition) {
  return edition == Edition::Tinwright ? "Tinwright Primer Edition" : "Dialogwright for VB Ver. 3, 4 or 5";
}

DialogTemplate MainDialogTemplate(Edition edition) {
  const DialogFrame frame{MainDialogTitle(edition), 208, 158, 226, 215, WS_CAPTION | WS_SYSMENU, "MS Sans Serif", 8};
  return DialogTemplate(frame, kMainDialogItems);
}

}  // namespace converter::shell
