#include "subclassing/classwarden/module1.h"

#include "host/forms/forms_collection.h"
#include "host/runtime/resume_next.h"
#include "host/services/beep.h"
#include "subclassing/classwarden/user32.h"

namespace classwarden::Module1 {

LONG_PTR OldClassProc = 0;

namespace {
constexpr int kMaxPasses = 1000;
}

host::Boolean HookFormClass(std::unique_ptr<host::Form>& frm, WNDPROC NewProc) {
  if (OldClassProc != 0 || NewProc == nullptr || !frm) return host::False;
  host::ResumeNext resumeNext;
  HWND hWnd = nullptr;
  resumeNext([&] { hWnd = frm->hWnd(); });
  if (hWnd == nullptr) return host::False;
  bool hooked = false;
  resumeNext([&] { OldClassProc = static_cast<LONG_PTR>(host::getClassLongPtr(hWnd, GCLP_WNDPROC)); });
  if (OldClassProc != 0) {
    // Windows that exist keep their procedure: only forms created from now on get NewProc.
    resumeNext([&] { host::setClassLongPtr(hWnd, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(NewProc)); });
    hooked = true;
  }
  resumeNext([&] { frm->Unload(); });
  frm.reset();
  return hooked;
}

void RestoreFormClass(HWND hWnd) {
  if (OldClassProc != 0) host::ResumeNext()([&] { host::setClassLongPtr(hWnd, GCLP_WNDPROC, OldClassProc); });
}

LRESULT CALLBACK ClassWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  host::ResumeNext resumeNext;
  host::Beep();
  // The form being destroyed is still in the collection: one form left means the last one.
  if (uMsg == WM_DESTROY && host::Forms().Count() == 1) RestoreFormClass(hWnd);
  LRESULT result = 0;
  resumeNext([&] { result = callWindowProc(reinterpret_cast<WNDPROC>(OldClassProc), hWnd, uMsg, wParam, lParam); });
  return result;
}

void UnloadOtherForms(const host::Form& frm) {
  host::ResumeNext resumeNext;
  for (int pass = 0; pass < kMaxPasses && host::Forms().Count() > 1; ++pass) {
    resumeNext([&] {
      for (host::Integer index = 0; index < host::Forms().Count(); ++index) {
        host::Form& form = host::Forms().Item(index);
        if (&form != &frm) {
          form.Unload();
          return;
        }
      }
    });
  }
}

}  // namespace classwarden::Module1
