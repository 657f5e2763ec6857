#include <gtest/gtest.h>

#include <memory>

#include "host/forms/forms_collection.h"
#include "host/services/beep.h"
#include "host/testing/message_box_watcher.h"
#include "subclassing/classwarden/module1.h"
#include "subclassing/classwarden/module2.h"
#include "subclassing/classwarden/program_forms.h"

namespace classwarden {
namespace {

using host::testing::MessageBoxWatcher;

// The procedure new windows of the forms' class get.
WNDPROC ClassProcedure() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  GetClassInfoExA(GetModuleHandleA(nullptr), host::Form::WindowClassName(), &windowClass);
  return windowClass.lpfnWndProc;
}

WNDPROC WindowProcedure(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

std::size_t BeepsFor(HWND window) {
  const std::size_t before = host::BeepCount();
  SendMessageA(window, WM_NULL, 0, 0);
  return host::BeepCount() - before;
}

// The hook happens once per process, as in the program: one test follows
// the whole life of the class procedure.
TEST(ClassWarden, EveryFormMadeAfterTheHookRunsThroughItUntilTheLastFormGoes) {
  Module2::Main();
  Form1& form1 = Form1Instance();
  host::Form& form2 = Form2Instance();
  ASSERT_TRUE(form1.Visible());
  EXPECT_EQ(MyDummyFormInstance(), nullptr) << "the dummy form is unloaded and its reference cleared";
  EXPECT_EQ(host::Forms().Count(), 1);
  EXPECT_EQ(ClassProcedure(), &Module1::ClassWindowProc);
  EXPECT_EQ(WindowProcedure(form1.hWnd()), &Module1::ClassWindowProc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(Module1::OldClassProc), &host::Form::WindowProc);
  EXPECT_EQ(BeepsFor(form1.hWnd()), 1u) << "one beep per message";

  auto another = std::make_unique<host::Form>("MyDummyForm");
  another->Load();
  EXPECT_FALSE(static_cast<bool>(Module1::HookFormClass(another, &DefWindowProcA))) << "hooked already";
  ASSERT_NE(another, nullptr) << "the reference is left alone";
  EXPECT_TRUE(another->IsLoaded());
  EXPECT_EQ(ClassProcedure(), &Module1::ClassWindowProc);
  EXPECT_EQ(BeepsFor(another->hWnd()), 1u);
  another->Unload();

  SendMessageA(form1.hWnd(), WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(form2.Visible()) << "a click shows Form2";
  EXPECT_EQ(WindowProcedure(form2.hWnd()), &Module1::ClassWindowProc);
  EXPECT_EQ(BeepsFor(form2.hWnd()), 1u);
  form2.Unload();
  EXPECT_EQ(ClassProcedure(), &Module1::ClassWindowProc) << "Form1 is still loaded";

  SendMessageA(form1.hWnd(), WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(form2.Visible());
  SendMessageA(form1.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form2.IsLoaded()) << "closing Form1 takes Form2 along";
  EXPECT_FALSE(form1.IsLoaded());
  EXPECT_EQ(host::Forms().Count(), 0);
  EXPECT_EQ(ClassProcedure(), &host::Form::WindowProc) << "restored with the last form";

  form2.Show();
  EXPECT_EQ(WindowProcedure(form2.hWnd()), &host::Form::WindowProc);
  EXPECT_EQ(BeepsFor(form2.hWnd()), 0u);
  form2.Unload();

  MessageBoxWatcher watcher;
  Module2::Main();
  ASSERT_EQ(watcher.Seen().size(), 1u) << "a second hook is refused";
  EXPECT_EQ(watcher.Seen()[0].text, "Load error...");
  EXPECT_EQ(watcher.Seen()[0].buttons, std::vector<std::string>{"OK"});
  EXPECT_FALSE(form1.IsLoaded());
  MyDummyFormInstance()->Unload();
  MyDummyFormInstance().reset();
}

TEST(ClassWarden, HookingWithoutAProcedureLeavesTheFormAndItsReference) {
  auto form = std::make_unique<host::Form>("Form2");
  form->Load();
  EXPECT_FALSE(static_cast<bool>(Module1::HookFormClass(form, nullptr)));
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->IsLoaded());
  form->Unload();
}

TEST(ClassWarden, UnloadOtherFormsKeepsOnlyTheGivenForm) {
  host::Form keep("Form2");
  host::Form other("MyDummyForm");
  host::Form third("Form1");
  other.Load();
  keep.Load();
  third.Load();
  Module1::UnloadOtherForms(keep);
  EXPECT_EQ(host::Forms().Count(), 1);
  EXPECT_TRUE(keep.IsLoaded());
  EXPECT_FALSE(other.IsLoaded());
  EXPECT_FALSE(third.IsLoaded());
  keep.Unload();
}

}  // namespace
}  // namespace classwarden
