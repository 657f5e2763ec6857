#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include <array>
#include <fstream>
#include <string>

#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"
#include "host/testing/registry_value.h"
#include "host/win32/unique_handle.h"
#include "regions/region_ids.h"
#include "regions/tests/library_file.h"

namespace regions {
namespace {

using host::ComPtr;
using host::testing::ClassesRootValue;
using testing::LibraryPath;

template <typename Function>
Function Export(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Runs a command line to its end; its exit code.
DWORD ExitCodeOf(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &started)) {
    return GetLastError();
  }
  const host::UniqueKernelHandle process(started.hProcess);
  const host::UniqueKernelHandle thread(started.hThread);
  WaitForSingleObject(process.get(), 60000);
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(process.get(), &exitCode);
  return exitCode;
}

DWORD Regsvr32(const std::string& options) {
  return ExitCodeOf("regsvr32 /s " + options + " \"" + LibraryPath() + "\"");
}

class RegionsServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }
  void SetUp() override { ASSERT_NE(library_.get(), nullptr) << LibraryPath(); }

  testing::LoadedLibrary library_;
};

TEST_F(RegionsServer, ExportsTheFourServerFunctionsAtOrdinalsOneToFour) {
  const char* names[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"};
  for (WORD ordinal = 1; ordinal <= 4; ++ordinal) {
    const FARPROC byOrdinal = GetProcAddress(library_.get(), MAKEINTRESOURCEA(ordinal));
    ASSERT_NE(byOrdinal, nullptr) << ordinal;
    EXPECT_EQ(byOrdinal, GetProcAddress(library_.get(), names[ordinal - 1])) << ordinal;
  }
}

TEST_F(RegionsServer, ServesClassObjectsForItsTwoClassesAndCanUnloadOnlyWhenNoneLives) {
  const auto canUnloadNow = Export<HRESULT(STDAPICALLTYPE*)()>(library_.get(), "DllCanUnloadNow");
  const auto getClassObject =
      Export<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(library_.get(), "DllGetClassObject");
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(getClassObject(kRegionContainerEventsId, IID_PPV_ARGS(&factory)), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(canUnloadNow(), S_OK);
  for (const CLSID& served : {kRegionContainerClassId, kRegionTransparentClassId}) {
    ASSERT_EQ(getClassObject(served, IID_PPV_ARGS(&factory)), S_OK);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    object.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
  }
}

TEST_F(RegionsServer, Regsvr32RegistersBothClassesForCreationByProgIdAndUnregistersThem) {
  const struct {
    const char* key;
    const wchar_t* progId;
    const char* bitmap;
    const char* defaultMember;  // a property read from a new object, with its default
    long defaultValue;
  } classes[] = {
      {"CLSID\\{95C7707B-B744-43A4-B75C-39E5A773494D}", L"Shapecraft.RegionContainer", ", 30000", "BoxRoundedX", 500},
      {"CLSID\\{A756E681-151F-4FDA-AA2F-5D7DD1C49A9C}", L"Shapecraft.RegionTransparent", ", 30001", "WhatTransparent",
       1},
  };
  ASSERT_EQ(Regsvr32(""), 0u);
  for (const auto& c : classes) {
    const std::string key = c.key;
    EXPECT_EQ(ClassesRootValue(key + "\\InprocServer32"), LibraryPath()) << key;
    EXPECT_EQ(ClassesRootValue(key + "\\Control"), "") << key;
    EXPECT_EQ(ClassesRootValue(key + "\\ToolboxBitmap32"), LibraryPath() + c.bitmap) << key;
    EXPECT_EQ(std::stoul(ClassesRootValue(key + "\\MiscStatus\\1")) & OLEMISC_SETCLIENTSITEFIRST,
              OLEMISC_SETCLIENTSITEFIRST);
    CLSID found{};
    ASSERT_EQ(CLSIDFromProgID(c.progId, &found), S_OK) << key;
    ComPtr<IDispatch> object;
    ASSERT_EQ(CoCreateInstance(found, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object)), S_OK) << key;
    EXPECT_EQ(host::GetProperty(*object.Get(), c.defaultMember).ToLong(), c.defaultValue) << "starts from its defaults";
  }
  ASSERT_EQ(Regsvr32("/u"), 0u);
  for (const auto& c : classes) {
    CLSID found{};
    EXPECT_EQ(ClassesRootValue(c.key), "(missing)");
    EXPECT_NE(CLSIDFromProgID(c.progId, &found), S_OK);
  }
}

// A client we did not write: a script sets each design-time-only property of
// a RegionTransparent and ends with the error number it trapped.
TEST_F(RegionsServer, AScriptSettingAShapingPropertyOfRegionTransparentTrapsError383) {
  ASSERT_EQ(Regsvr32(""), 0u);
  const char* script = "transparent.vbs";
  for (const char* property : {"RegionMode", "WhatTransparent", "BoxRoundedX", "BoxRoundedY"}) {
    std::ofstream(script) << "Set hole = CreateObject(\"Shapecraft.RegionTransparent\")\r\n"
                             "On Error Resume Next\r\n"
                             "hole."
                          << property
                          << " = 2\r\n"
                             "WScript.Quit Err.Number\r\n";
    EXPECT_EQ(ExitCodeOf(std::string("cscript //nologo ") + script), 383u) << property;
  }
  DeleteFileA(script);
  EXPECT_EQ(Regsvr32("/u"), 0u);
}

}  // namespace
}  // namespace regions
