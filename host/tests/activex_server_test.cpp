#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"
#include "host/tests/activex/probe_ids.h"

namespace host {
namespace {

using testing_support::kProbeClassId;
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

std::string ValueOf(const std::string& key, const char* name = nullptr) {
  std::array<char, MAX_PATH> value{};
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(), &size) != ERROR_SUCCESS) {
    return "(missing)";
  }
  return value.data();
}

// Runs regsvr32 silently on the library, as an installer does; its exit code.
DWORD Regsvr32(const std::string& options) {
  std::string commandLine = "regsvr32 /s " + options + " \"" + LibraryPath() + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return GetLastError();
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
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

TEST_F(ActiveXServerTest, Regsvr32RegistersTheClassForCreationByProgIdAndUnregistersItAll) {
  ASSERT_EQ(Regsvr32(""), 0u);
  const std::string key = kProbeKey;
  EXPECT_EQ(ValueOf(key), "Probe");
  EXPECT_EQ(ValueOf(key + "\\InprocServer32"), LibraryPath());
  EXPECT_EQ(ValueOf(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
  EXPECT_EQ(ValueOf(key + "\\ProgID"), "RuntimeTests.Probe");
  EXPECT_EQ(ValueOf(key + "\\Control"), "");
  EXPECT_EQ(ValueOf(key + "\\ToolboxBitmap32"), LibraryPath() + ", 30000");
  EXPECT_EQ(ValueOf(key + "\\MiscStatus\\1"), "257");
  EXPECT_EQ(ValueOf(key + "\\TypeLib"), "{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}");
  ComPtr<ITypeLib> registered;
  EXPECT_EQ(LoadRegTypeLib(kProbeLibraryId, 1, 0, 0x0409, &registered), S_OK);
  registered.Reset();

  CLSID found{};
  ASSERT_EQ(CLSIDFromProgID(kProbeProgId, &found), S_OK);
  ComPtr<IDispatch> probe;
  ASSERT_EQ(CoCreateInstance(found, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&probe)), S_OK);
  EXPECT_EQ(GetProperty(*probe.Get(), "Caption").ToString(), "probe") << "late bound through the type library";
  PutProperty(*probe.Get(), "caption", Variant("changed"));
  EXPECT_EQ(GetProperty(*probe.Get(), "CAPTION").ToString(), "changed") << "names without regard to case";
  probe.Reset();

  ASSERT_EQ(Regsvr32("/u"), 0u);
  EXPECT_EQ(ValueOf(key), "(missing)");
  EXPECT_EQ(ValueOf("RuntimeTests.Probe\\CLSID"), "(missing)");
  EXPECT_NE(CLSIDFromProgID(kProbeProgId, &found), S_OK);
  EXPECT_EQ(CoCreateInstance(kProbeClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&probe)), REGDB_E_CLASSNOTREG);
  EXPECT_NE(LoadRegTypeLib(kProbeLibraryId, 1, 0, 0x0409, &registered), S_OK);
}

}  // namespace
}  // namespace host
