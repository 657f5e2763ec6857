#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

#include "host/activex/control_library.h"
#include "host/activex/module_lock.h"
#include "host/com/com_ptr.h"

namespace host {
namespace {

constexpr GUID kLibraryId = {0x6E0C4A52, 0x3C3B, 0x4B9A, {0x9F, 0x7B, 0x2B, 0x7C, 0x1D, 0x1E, 0x4A, 0x01}};
constexpr CLSID kProbeId = {0x6E0C4A52, 0x3C3B, 0x4B9A, {0x9F, 0x7B, 0x2B, 0x7C, 0x1D, 0x1E, 0x4A, 0x03}};
constexpr char kProbeKey[] = "CLSID\\{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A03}";

// Stands in for a served control until the class serves real ones: an
// object that keeps the module loaded while it lives.
class LockingObject final : public IUnknown {
 public:
  LockingObject() { LockModule(); }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    *object = iid == IID_IUnknown ? this : nullptr;
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  ~LockingObject() { UnlockModule(); }
  ULONG references_ = 0;
};

HRESULT CreateLockingObject(REFIID iid, void** object) {
  ComPtr<IUnknown> created(new LockingObject);
  return created->QueryInterface(iid, object);
}

constexpr std::array kClasses{ControlClass{kProbeId, "RuntimeTests.Probe", "Probe", 30000,
                                           OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE,
                                           &CreateLockingObject}};
const ControlLibrary kLibrary{kLibraryId, 1, 0, kClasses};

std::string ValueOf(const std::string& key, const char* name = nullptr) {
  std::array<char, MAX_PATH> value{};
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(), &size) != ERROR_SUCCESS) {
    return "(missing)";
  }
  return value.data();
}

std::string ProgramPath() {
  std::array<char, MAX_PATH> path{};
  return std::string(path.data(), GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())));
}

class ActiveXServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(ActiveXServerTest, ClassObjectsAreServedForTheLibrarysClassesOnly) {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(ServeClassObject(kLibrary, CLSID_NULL, IID_PPV_ARGS(&factory)), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_FALSE(factory);
  ASSERT_EQ(ServeClassObject(kLibrary, kProbeId, IID_PPV_ARGS(&factory)), S_OK);
  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(factory->CreateInstance(factory.Get(), IID_PPV_ARGS(&aggregated)), CLASS_E_NOAGGREGATION);
}

TEST_F(ActiveXServerTest, TheLibraryCanUnloadOnlyWithoutObjectsClassObjectsOrLocks) {
  ASSERT_EQ(ServeCanUnloadNow(), S_OK);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(ServeClassObject(kLibrary, kProbeId, IID_PPV_ARGS(&factory)), S_OK);
  EXPECT_EQ(ServeCanUnloadNow(), S_FALSE) << "a class object lives";
  ComPtr<IUnknown> object;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK);
  factory->LockServer(TRUE);
  factory.Reset();
  EXPECT_EQ(ServeCanUnloadNow(), S_FALSE) << "an object and a lock live";
  object.Reset();
  EXPECT_EQ(ServeCanUnloadNow(), S_FALSE) << "a lock lives";
  ASSERT_EQ(ServeClassObject(kLibrary, kProbeId, IID_PPV_ARGS(&factory)), S_OK);
  factory->LockServer(FALSE);
  factory.Reset();
  EXPECT_EQ(ServeCanUnloadNow(), S_OK);
}

// The test program carries the probe library's type library as a control library's file does.
TEST_F(ActiveXServerTest, RegistrationWritesTheClassAndTypeLibraryAndUnregistrationRemovesThem) {
  ASSERT_EQ(RegisterControlLibrary(kLibrary), S_OK);
  const std::string key = kProbeKey;
  EXPECT_EQ(ValueOf(key), "Probe");
  EXPECT_EQ(ValueOf(key + "\\InprocServer32"), ProgramPath());
  EXPECT_EQ(ValueOf(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
  EXPECT_EQ(ValueOf(key + "\\ProgID"), "RuntimeTests.Probe");
  EXPECT_EQ(ValueOf(key + "\\Control"), "");
  EXPECT_EQ(ValueOf(key + "\\ToolboxBitmap32"), ProgramPath() + ", 30000");
  EXPECT_EQ(ValueOf(key + "\\MiscStatus\\1"), "257");
  EXPECT_EQ(ValueOf(key + "\\TypeLib"), "{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}");
  CLSID found{};
  EXPECT_EQ(CLSIDFromProgID(L"RuntimeTests.Probe", &found), S_OK);
  EXPECT_EQ(found, kProbeId);
  ComPtr<ITypeLib> registered;
  EXPECT_EQ(LoadRegTypeLib(kLibraryId, 1, 0, 0x0409, &registered), S_OK);

  ASSERT_EQ(UnregisterControlLibrary(kLibrary), S_OK);
  EXPECT_EQ(ValueOf(key), "(missing)");
  EXPECT_EQ(ValueOf("RuntimeTests.Probe\\CLSID"), "(missing)");
  registered.Reset();
  EXPECT_NE(LoadRegTypeLib(kLibraryId, 1, 0, 0x0409, &registered), S_OK);
}

}  // namespace
}  // namespace host
