#include "converter/shell/main_dialog.h"

#include <commdlg.h>

#include <tuple>

#include "converter/shell/choose_form_file.h"
#include "converter/shell/convert_form.h"
#include "converter/shell/main_dialog_layout.h"
#include "converter/shell/shell_resources.h"

namespace converter::shell {
namespace {

constexpr std::string_view kFormFilter = "Visual Basic Forms|*.FRM|All Files|*.*";
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_LONGNAMES;

ProgramState& StateOf(HWND dialog) { return *reinterpret_cast<ProgramState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

// Shared icons belong to the system, so nothing here has to destroy them.
void ShowProgramIcon(HWND dialog) {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  for (const auto& [kind, metricX, metricY] :
       {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON}, std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
    const HANDLE icon = LoadImageA(program, MAKEINTRESOURCEA(IDI_CONVERTER), IMAGE_ICON, GetSystemMetrics(metricX),
                                   GetSystemMetrics(metricY), LR_SHARED);
    if (icon != nullptr) SendMessageA(dialog, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
  }
}

// The options that stand for modes the converter does not have stay disabled.
INT_PTR OnInitDialog(HWND dialog, ProgramState& state) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  state.mainDialog = dialog;
  ShowProgramIcon(dialog);
  for (const int id : {kApi32Option, kApi16Option, kAllFormsOption}) {
    EnableWindow(GetDlgItem(dialog, id), FALSE);
  }
  CheckDlgButton(dialog, kSingleFormOption, BST_CHECKED);
  CheckDlgButton(dialog, kDdtOption, BST_CHECKED);
  return TRUE;
}

// The close command arrives as IDCANCEL and ends the program like "E&xit".
INT_PTR OnCommand(HWND dialog, WORD id) {
  switch (id) {
    case kConvertButton:
      OnConvertClicked(StateOf(dialog));
      return TRUE;
    case kExitButton:
    case IDCANCEL:
      OnExitClicked(dialog);
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(dialog, *reinterpret_cast<ProgramState*>(lParam));
    case WM_COMMAND:
      return OnCommand(dialog, LOWORD(wParam));
  }
  return FALSE;
}

}  // namespace

INT_PTR RunMainDialog(ProgramState& state) {
  const DialogTemplate dialog = MainDialogTemplate(state.converter.edition());
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.get(), nullptr, MainDialogProc,
                                 reinterpret_cast<LPARAM>(&state));
}

UniqueWindow CreateMainDialog(ProgramState& state) {
  const DialogTemplate dialog = MainDialogTemplate(state.converter.edition());
  return UniqueWindow(CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.get(), nullptr, MainDialogProc,
                                                 reinterpret_cast<LPARAM>(&state)));
}

void OnConvertClicked(ProgramState& state) {
  std::string fileSpec = "*.FRM";
  DWORD flags = kOpenFlags;
  if (!ChooseFormFile(nullptr, "Open File", fileSpec, "", kFormFilter, "FRM", flags)) return;
  state.inputPath = fileSpec;
  state.outputPath = OutputPathFor(state.inputPath);
  SetDlgItemTextA(state.mainDialog, kFormLabel, ("VB Form: " + state.inputPath).c_str());
  ConvertForm(state);
}

void OnExitClicked(HWND dialog) { EndDialog(dialog, 0); }

}  // namespace converter::shell
