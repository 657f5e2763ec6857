#pragma once

#include <windows.h>

#include "host/runtime/types.h"
#include "host/win32/bound_handles.h"
#include "subclassing/barbuild/user32.h"

namespace barbuild {

// A menu this program built, destroyed through the DestroyMenu bound by name.
using MenuHandle = host::BoundMenu;

namespace Module1 {

// The form window's own procedure while MenuWindowProc is installed; 0 otherwise.
extern LONG_PTR OldWindowProc;

// Destroys the menu if there is one and clears the handle.
void FreeMenu(MenuHandle& handle);

// The form window's replacement procedure: the form handles every message
// first; the commands of the built menu are then shown in Form1's label.
LRESULT CALLBACK MenuWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace Module1
}  // namespace barbuild
