#pragma once

#include <windows.h>

#include <memory>

#include "host/forms/form.h"
#include "host/runtime/types.h"

namespace classwarden::Module1 {

// The forms' class procedure before the hook; 0 until hooked, never reset.
extern LONG_PTR OldClassProc;

// Puts NewProc into the class of frm's window; true when it did. The form
// has then served its purpose: it is unloaded and the reference cleared.
// False without touching anything when already hooked or NewProc is null.
host::Boolean HookFormClass(std::unique_ptr<host::Form>& frm, WNDPROC NewProc);

// Puts the saved class procedure back into the class of the window.
void RestoreFormClass(HWND hWnd);

// Every message of every form window created while hooked comes here first:
// it beeps once, and the last form's WM_DESTROY restores the class.
LRESULT CALLBACK ClassWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Unloads every loaded form except frm.
void UnloadOtherForms(const host::Form& frm);

}  // namespace classwarden::Module1
