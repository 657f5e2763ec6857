#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>
#include <olectl.h>

#include <array>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "host/activex/control_class_lookup.h"
#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"
#include "host/description/form_text.h"
#include "host/runtime/error.h"
#include "host/testing/raised_error.h"
#include "host/testing/registry_value.h"
#include "host/tests/activex/probe_ids.h"
#include "host/win32/bstr.h"
#include "host/win32/unique_handle.h"

namespace host {
namespace {

using testing::ClassesRootValue;
using testing_support::kProbeClassId;
using testing_support::kProbeEventsId;
using testing_support::kProbeLibraryId;

constexpr char kProbeKey[] = "CLSID\\{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A03}";
constexpr wchar_t kProbeProgId[] = L"RuntimeTests.Probe";

// The tests' control library beside the test programs, as a container
// reaches it: by file, and by its exports' ordinals.
std::string LibraryPath() {
  std::array<char, MAX_PATH> path{};
  GetFullPathNameA("RuntimeProbe.ocx", static_cast<DWORD>(path.size()), path.data(), nullptr);
  return path.data();
}

struct Exports {
  HRESULT(STDAPICALLTYPE* canUnloadNow)();
  HRESULT(STDAPICALLTYPE* getClassObject)(REFCLSID, REFIID, void**);
};

template <typename Function>
Function Ordinal(HMODULE library, WORD ordinal) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}

struct Finished {
  DWORD exitCode;
  std::string output;
};

// Runs a command line to its end, collecting what it writes to its standard output.
Finished RunToTheEnd(std::string commandLine) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return {GetLastError(), {}};
  const UniqueKernelHandle reading(readEnd);
  UniqueKernelHandle writing(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &started)) {
    return {GetLastError(), {}};
  }
  const UniqueKernelHandle process(started.hProcess);
  const UniqueKernelHandle thread(started.hThread);
  writing.reset();  // the pipe ends when the program's copy closes
  Finished finished{STILL_ACTIVE, {}};
  std::array<char, 4096> chunk{};
  DWORD read = 0;
  while (ReadFile(readEnd, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0) {
    finished.output.append(chunk.data(), read);
  }
  WaitForSingleObject(process.get(), 60000);
  GetExitCodeProcess(process.get(), &finished.exitCode);
  return finished;
}

// Runs regsvr32 silently on the library, as an installer does; its exit code.
DWORD Regsvr32(const std::string& options) {
  return RunToTheEnd("regsvr32 /s " + options + " \"" + LibraryPath() + "\"").exitCode;
}

class ActiveXServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }
  void SetUp() override {
    library_ = LoadLibraryA(LibraryPath().c_str());
    ASSERT_NE(library_, nullptr) << LibraryPath();
    exports_ = {Ordinal<decltype(exports_.canUnloadNow)>(library_, 1),
                Ordinal<decltype(exports_.getClassObject)>(library_, 2)};
    ASSERT_NE(exports_.canUnloadNow, nullptr);
    ASSERT_NE(exports_.getClassObject, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(exports_.getClassObject),
              reinterpret_cast<void*>(GetProcAddress(library_, "DllGetClassObject")))
        << "ordinal 2 is DllGetClassObject";
  }
  void TearDown() override { FreeLibrary(library_); }

  HMODULE library_ = nullptr;
  Exports exports_{};
};

// The type library as the build embeds it: the tree's architecture, and what
// containers read of each type (flags, members, help strings).
TEST_F(ActiveXServerTest, TheEmbeddedTypeLibraryDescribesTheClassAsAControl) {
  ComPtr<ITypeLib> library;
  ASSERT_EQ(LoadTypeLibEx(Bstr(LibraryPath()).get(), REGKIND_NONE, &library), S_OK);
  TLIBATTR* libraryAttributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&libraryAttributes), S_OK);
  EXPECT_EQ(libraryAttributes->guid, kProbeLibraryId);
  EXPECT_EQ(libraryAttributes->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
  library->ReleaseTLibAttr(libraryAttributes);

  const struct {
    const char* name;
    TYPEKIND kind;
    WORD flags;  // those of interest to containers
  } types[] = {
      {"ProbeMood", TKIND_ENUM, 0},
      {"_Probe", TKIND_DISPATCH, TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL},
      {"__Probe", TKIND_DISPATCH, TYPEFLAG_FHIDDEN},
      {"Probe", TKIND_COCLASS, TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE},
  };
  for (const auto& expected : types) {
    ComPtr<ITypeInfo> info;
    MEMBERID member = 0;
    USHORT found = 1;
    Bstr name(expected.name);
    ASSERT_EQ(library->FindName(name.get(), 0, &info, &member, &found), S_OK) << expected.name;
    ASSERT_EQ(found, 1) << expected.name;
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->typekind, expected.kind) << expected.name;
    EXPECT_EQ(attributes->wTypeFlags & (TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE),
              expected.flags)
        << expected.name;
    info->ReleaseTypeAttr(attributes);
  }

  ComPtr<ITypeInfo> mood;
  ComPtr<ITypeInfo> probe;
  MEMBERID member = 0;
  USHORT found = 1;
  ASSERT_EQ(library->FindName(Bstr("ProbeMood").get(), 0, &mood, &member, &found), S_OK);
  VARDESC* curious = nullptr;
  ASSERT_EQ(mood->GetVarDesc(1, &curious), S_OK);
  EXPECT_EQ(curious->lpvarValue->lVal, 7);
  Bstr curiousName;
  mood->GetDocumentation(curious->memid, curiousName.put(), nullptr, nullptr, nullptr);
  mood->ReleaseVarDesc(curious);
  EXPECT_EQ(curiousName.ToAnsi(), "pmCurious");
  Bstr moodHelp;
  ASSERT_EQ(mood->GetDocumentation(MEMBERID_NIL, nullptr, moodHelp.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(moodHelp.ToAnsi(), "How the probe answers");
  found = 1;
  ASSERT_EQ(library->FindName(Bstr("_Probe").get(), 0, &probe, &member, &found), S_OK);
  Bstr captionHelp;
  ASSERT_EQ(probe->GetDocumentation(1, nullptr, captionHelp.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(captionHelp.ToAnsi(), "Returns/sets the probe's caption.");
}

TEST_F(ActiveXServerTest, ClassObjectsAreServedForTheLibrarysClassesOnly) {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(exports_.getClassObject(CLSID_NULL, IID_PPV_ARGS(&factory)), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_FALSE(factory);
  ASSERT_EQ(exports_.getClassObject(kProbeClassId, IID_PPV_ARGS(&factory)), S_OK);
  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(factory->CreateInstance(factory.Get(), IID_PPV_ARGS(&aggregated)), CLASS_E_NOAGGREGATION);
}

TEST_F(ActiveXServerTest, TheLibraryCanUnloadOnlyWithoutObjectsClassObjectsOrLocks) {
  ASSERT_EQ(exports_.canUnloadNow(), S_OK);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(exports_.getClassObject(kProbeClassId, IID_PPV_ARGS(&factory)), S_OK);
  EXPECT_EQ(exports_.canUnloadNow(), S_FALSE) << "a class object lives";
  ComPtr<IDispatch> object;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK);
  factory->LockServer(TRUE);
  factory.Reset();
  EXPECT_EQ(exports_.canUnloadNow(), S_FALSE) << "an object and a lock live";
  object.Reset();
  EXPECT_EQ(exports_.canUnloadNow(), S_FALSE) << "a lock lives";
  ASSERT_EQ(exports_.getClassObject(kProbeClassId, IID_PPV_ARGS(&factory)), S_OK);
  factory->LockServer(FALSE);
  factory.Reset();
  EXPECT_EQ(exports_.canUnloadNow(), S_OK);
}

// A container's sink for the probe's events: it answers Asked with twice the
// question, through the by-reference argument.
class AnsweringSink final : public IDispatch {
 public:
  int calls = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    *object = iid == IID_IUnknown || iid == IID_IDispatch ? this : nullptr;
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return --references_; }  // lives on the test's stack
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override {
    ++calls;
    if (id != 1 || parameters->cArgs != 2) return DISP_E_MEMBERNOTFOUND;
    const VARIANTARG& question = parameters->rgvarg[1];  // arguments come last first
    VARIANTARG& answer = parameters->rgvarg[0];
    if (question.vt != VT_I4 || answer.vt != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
    VariantClear(answer.pvarVal);
    answer.pvarVal->vt = VT_I4;
    answer.pvarVal->lVal = 2 * question.lVal;
    return S_OK;
  }

 private:
  ULONG references_ = 0;
};

TEST_F(ActiveXServerTest, EventsReachConnectedSinksAndTheirByRefAnswersReachTheControl) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(exports_.getClassObject(kProbeClassId, IID_PPV_ARGS(&factory)), S_OK);
  ComPtr<IDispatch> probe;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&probe)), S_OK);

  ComPtr<IProvideClassInfo2> classInfo;
  ASSERT_EQ(probe.As(&classInfo), S_OK);
  GUID events{};
  ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
  EXPECT_EQ(events, kProbeEventsId);
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(classInfo->GetClassInfo(&coclass), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->guid, kProbeClassId);
  coclass->ReleaseTypeAttr(attributes);

  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(probe.As(&container), S_OK);
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
  std::vector<IID> listed;
  for (ComPtr<IConnectionPoint> each; points->Next(1, &each, nullptr) == S_OK; each.Reset()) {
    each->GetConnectionInterface(&listed.emplace_back());
  }
  EXPECT_EQ(listed, (std::vector<IID>{kProbeEventsId, IID_IPropertyNotifySink}));
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &point), CONNECT_E_NOCONNECTION);
  ASSERT_EQ(container->FindConnectionPoint(kProbeEventsId, &point), S_OK);
  AnsweringSink sink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(point->EnumConnections(&connections), S_OK);
  CONNECTDATA connection{};
  ASSERT_EQ(connections->Next(1, &connection, nullptr), S_OK);
  EXPECT_EQ(connection.dwCookie, cookie);
  EXPECT_EQ(connection.pUnk, static_cast<IUnknown*>(&sink));
  EXPECT_EQ(connection.pUnk->Release(), 2u) << "handed out with a reference, the point and the enumerator keep theirs";
  EXPECT_EQ(connections->Next(1, &connection, nullptr), S_FALSE);
  connections.Reset();
  EXPECT_EQ(CallMethod(*probe.Get(), "Ask", {Variant(Long{21})}).ToLong(), 42) << "the sink's answer came back";
  EXPECT_EQ(sink.calls, 1);
  ASSERT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(CallMethod(*probe.Get(), "Ask", {Variant(Long{21})}).ToLong(), 0) << "nobody answers";
  EXPECT_EQ(sink.calls, 1);
}

TEST_F(ActiveXServerTest, Regsvr32RegistersTheClassForCreationByProgIdAndUnregistersItAll) {
  ASSERT_EQ(Regsvr32(""), 0u);
  const std::string key = kProbeKey;
  EXPECT_EQ(ClassesRootValue(key), "Probe");
  EXPECT_EQ(ClassesRootValue(key + "\\InprocServer32"), LibraryPath());
  EXPECT_EQ(ClassesRootValue(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
  EXPECT_EQ(ClassesRootValue(key + "\\ProgID"), "RuntimeTests.Probe");
  EXPECT_EQ(ClassesRootValue(key + "\\Control"), "");
  EXPECT_EQ(ClassesRootValue(key + "\\ToolboxBitmap32"), LibraryPath() + ", 30000");
  EXPECT_EQ(ClassesRootValue(key + "\\MiscStatus\\1"),
            "131329");  // recompose on resize, activate when visible, site first
  EXPECT_EQ(ClassesRootValue(key + "\\TypeLib"), "{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}");
  ComPtr<ITypeLib> registered;
  EXPECT_EQ(LoadRegTypeLib(kProbeLibraryId, 1, 0, 0x0409, &registered), S_OK);
  registered.Reset();

  CLSID found{};
  ASSERT_EQ(CLSIDFromProgID(kProbeProgId, &found), S_OK);
  ComPtr<IDispatch> probe;
  ASSERT_EQ(CoCreateInstance(found, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&probe)), S_OK);
  EXPECT_EQ(GetProperty(*probe.Get(), "Caption").ToString(), "default") << "late bound through the type library";
  PutProperty(*probe.Get(), "caption", Variant("changed"));
  EXPECT_EQ(GetProperty(*probe.Get(), "CAPTION").ToString(), "changed") << "names without regard to case";
  probe.Reset();

  ASSERT_EQ(Regsvr32("/u"), 0u);
  EXPECT_EQ(ClassesRootValue(key), "(missing)");
  EXPECT_EQ(ClassesRootValue("RuntimeTests.Probe\\CLSID"), "(missing)");
  EXPECT_NE(CLSIDFromProgID(kProbeProgId, &found), S_OK);
  EXPECT_EQ(CoCreateInstance(kProbeClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&probe)), REGDB_E_CLASSNOTREG);
  EXPECT_NE(LoadRegTypeLib(kProbeLibraryId, 1, 0, 0x0409, &registered), S_OK);
}

using testing::ErrorTextOf;

TEST_F(ActiveXServerTest, AFormFindsItsControlsClassesThroughTheLibrariesItNames) {
  const ObjectDescription form = ParseFormText(
      "VERSION 5.00\r\n"
      "Object = \"{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1.0#0\"; \"RuntimeProbe.ocx\"\r\n"
      "Begin VB.Form Form1\r\n   Begin ProbeLibrary.Probe Probe1\r\n   End\r\nEnd\r\n",
      "Form1");
  const std::string unregistered =
      "429 ActiveX component can't create object: Probe1 (ProbeLibrary.Probe) from "
      "RuntimeProbe.ocx; register the control library with regsvr32 and load the form again";
  EXPECT_EQ(ErrorTextOf([&] { FindControlClass(form.libraries, "ProbeLibrary.Probe", "Probe1"); }), unregistered);

  ASSERT_EQ(Regsvr32(""), 0u);
  EXPECT_EQ(FindControlClass(form.libraries, form.children[0].className, "Probe1"), kProbeClassId);
  EXPECT_EQ(FindControlClass(form.libraries, "probelibrary.PROBE", "Probe1"), kProbeClassId) << "names ignore case";
  EXPECT_EQ(ErrorTextOf([&] { FindControlClass(form.libraries, "ProbeLibrary.Absent", "Absent1"); }),
            "429 ActiveX component can't create object: Absent1 (ProbeLibrary.Absent) from RuntimeProbe.ocx; "
            "register the control library with regsvr32 and load the form again");
  EXPECT_EQ(ErrorTextOf([&] { FindControlClass(form.libraries, "OtherLibrary.Probe", "Other1"); }),
            "429 ActiveX component can't create object: Other1 (OtherLibrary.Probe) from no control library the form "
            "names; register the control library with regsvr32 and load the form again");
  ASSERT_EQ(Regsvr32("/u"), 0u);
  EXPECT_EQ(ErrorTextOf([&] { FindControlClass(form.libraries, "ProbeLibrary.Probe", "Probe1"); }), unregistered);
}

// A container we did not write: VBScript creates the probe by its ProgID,
// sets and reads a property, calls methods and traps the errors they raise.
TEST_F(ActiveXServerTest, AScriptUsesTheProbeAndSeesTheErrorsItRaises) {
  ASSERT_EQ(Regsvr32(""), 0u);
  const char* script = "probe.vbs";
  std::ofstream(script) << "Set probe = CreateObject(\"RuntimeTests.Probe\")\r\n"
                           "probe.Caption = \"from script\"\r\n"
                           "WScript.Echo probe.Caption & \"|\" & probe.Twice(21)\r\n"
                           "On Error Resume Next\r\n"
                           "probe.Fail 383\r\n"
                           "WScript.Echo Err.Number & \"|\" & Err.Description & \"|\" & Err.Source\r\n"
                           "Err.Clear\r\n"
                           "probe.Twice 2000000000\r\n"
                           "WScript.Echo Err.Number\r\n";
  const Finished finished = RunToTheEnd(std::string("cscript //nologo ") + script);
  DeleteFileA(script);
  EXPECT_EQ(Regsvr32("/u"), 0u);
  EXPECT_EQ(finished.exitCode, 0u) << finished.output;
  EXPECT_EQ(finished.output,
            "from script|42\r\n"
            "383|the probe failed as asked|RuntimeTests.Probe\r\n"
            "6\r\n");
}

}  // namespace
}  // namespace host
