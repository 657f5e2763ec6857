#include "subclassing/alertspot/positioned_msgbox.h"

#include "host/runtime/resume_next.h"
#include "subclassing/alertspot/box_placement.h"

namespace alertspot::Alertspot {

BoxPlacement Placement;

host::Long PositionedMsgBox(host::Long X, host::Long Y, std::string_view Prompt, host::Long Buttons,
                            std::optional<std::string_view> Title, std::optional<std::string_view> HelpFile,
                            std::optional<host::Long> Context) {
  const HWND owner = Placement.Install(X, Y, &PlacementWindowProc);
  host::ResumeNext resumeNext;
  host::Long result = 0;
  resumeNext([&] { result = alertspot::RuntimeMsgBox(Prompt, Buttons, Title, HelpFile, Context); });
  Placement.Restore(owner);
  return result;
}

LRESULT CALLBACK PlacementWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (const HWND box = ActivatedBox(uMsg, lParam)) Placement.MoveBox(box);
  return Placement.Forward(hWnd, uMsg, wParam, lParam);
}

}  // namespace alertspot::Alertspot
