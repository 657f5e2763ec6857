#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include <string>
#include <utility>

#include "host/activex/com_property_bag.h"
#include "host/com/com_error.h"
#include "host/com/com_ptr.h"
#include "host/com/dispatch_call.h"
#include "host/com/variant.h"
#include "host/description/form_text.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"
#include "host/testing/raised_error.h"

namespace host {
namespace {

using testing::ErrorNumberOf;

class ComTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }

  // A real automation object every Windows has: the scripting dictionary.
  static ComPtr<IDispatch> Dictionary() {
    CLSID id{};
    ComPtr<IDispatch> dictionary;
    if (SUCCEEDED(CLSIDFromProgID(L"Scripting.Dictionary", &id))) {
      CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dictionary));
    }
    return dictionary;
  }
};

TEST_F(ComTest, MembersAreCalledReadAndWrittenByName) {
  const ComPtr<IDispatch> dictionary = Dictionary();
  ASSERT_TRUE(dictionary);
  // The comparison is chosen while the dictionary is empty.
  PutProperty(*dictionary.Get(), "CompareMode", Variant(Long{1}));
  EXPECT_EQ(GetProperty(*dictionary.Get(), "CompareMode").ToString(), "1");
  CallMethod(*dictionary.Get(), "Add", {Variant("one"), Variant(Long{1})});
  CallMethod(*dictionary.Get(), "Add", {Variant("two"), Variant(2.5)});
  EXPECT_EQ(GetProperty(*dictionary.Get(), "Count").ToLong(), 2);
  EXPECT_EQ(GetProperty(*dictionary.Get(), "Item", {Variant("two")}).ToDouble(), 2.5);
  EXPECT_EQ(CallMethod(*dictionary.Get(), "Exists", {Variant("ONE")}).ToBoolean(), True) << "compared as text";
  EXPECT_EQ(ErrorNumberOf([&] { PutProperty(*dictionary.Get(), "CompareMode", Variant(Long{0})); }), 5)
      << "not once it holds items";
}

TEST_F(ComTest, AnObjectsFailureArrivesAsTheRunTimeErrorOfItsNumber) {
  const ComPtr<IDispatch> dictionary = Dictionary();
  ASSERT_TRUE(dictionary);
  CallMethod(*dictionary.Get(), "Add", {Variant("key"), Variant(Long{1})});
  EXPECT_EQ(ErrorNumberOf([&] {
              CallMethod(*dictionary.Get(), "Add", {Variant("key"), Variant(Long{2})});
            }),
            457)
      << "key already associated";
  EXPECT_EQ(ErrorNumberOf([&] { CallMethod(*dictionary.Get(), "NoSuchMember"); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { CallMethod(*dictionary.Get(), "Add", {Variant("only")}); }), 450);
}

TEST(ComErrors, EachWayKeepsNumberDescriptionAndSource) {
  EXCEPINFO exception{};
  EXPECT_EQ(ReportDispatchException(RuntimeError(383, "'Mode' property is read-only"), "Lib.Control", &exception),
            DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, static_cast<SCODE>(0x800A017F));
  ComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  BSTR source = nullptr;
  info->GetSource(&source);
  EXPECT_STREQ(source, L"Lib.Control");
  SysFreeString(source);
  try {
    ThrowComError(DISP_E_EXCEPTION, &exception);
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 383);
    EXPECT_EQ(error.Description(), "'Mode' property is read-only");
  }
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrSource);

  struct Case {
    HRESULT result;
    Long number;
  };
  for (const Case c : {Case{DISP_E_TYPEMISMATCH, 13}, Case{DISP_E_OVERFLOW, 6}, Case{ControlErrorResult(429), 429},
                       Case{REGDB_E_CLASSNOTREG, static_cast<Long>(REGDB_E_CLASSNOTREG)}}) {
    EXPECT_EQ(ErrorNumberOf([&] { ThrowComError(c.result); }), c.number);
  }
  try {
    ThrowComError(REGDB_E_CLASSNOTREG);
  } catch (const RuntimeError& error) {
    EXPECT_NE(error.Description().find("0x80040154"), std::string::npos) << "the HRESULT is named";
  }
}

TEST(Variants, ConvertAsTheRuntimeDoesOrRaiseItsErrors) {
  EXPECT_EQ(Variant("42").ToLong(), 42);
  EXPECT_EQ(Variant(Long{-1}).ToBoolean(), True);
  EXPECT_EQ(Variant(Integer{7}).ToString(), "7");
  EXPECT_EQ(Variant(True).ToString(), "True");
  EXPECT_EQ(Variant(False).ToString(), "False");
  EXPECT_EQ(ErrorNumberOf([] { Variant("seven").ToLong(); }), 13);
  EXPECT_EQ(ErrorNumberOf([] { Variant(1e12).ToLong(); }), 6);
  EXPECT_TRUE(Variant::Missing().IsMissing());
  const Variant original("text");
  Variant copy = original;
  const Variant moved = std::move(copy);
  EXPECT_EQ(moved.ToString(), "text");
  EXPECT_EQ(original.ToString(), "text") << "a copy of its own";
  // NOLINTNEXTLINE(bugprone-use-after-move): its moved-from state is the point
  EXPECT_EQ(copy.Type(), VT_EMPTY) << "moved from";
}

// A dispatch object of the test's own, to see what a call hands over:
// Twice(ByRef value, Optional extra) doubles value and notes a left-out extra.
class Doubler : public IDispatch {
 public:
  bool extraLeftOut = false;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch) return *object = nullptr, E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
    if (lstrcmpiW(names[0], L"Twice") != 0) return DISP_E_UNKNOWNNAME;
    ids[0] = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (parameters->cArgs != 2) return DISP_E_BADPARAMCOUNT;
    VARIANTARG& value = parameters->rgvarg[1];
    const VARIANTARG& extra = parameters->rgvarg[0];
    if (value.vt != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
    extraLeftOut = extra.vt == VT_ERROR && extra.scode == DISP_E_PARAMNOTFOUND;
    return VariantChangeType(value.pvarVal, value.pvarVal, 0, VT_I4) == S_OK ? (value.pvarVal->lVal *= 2, S_OK)
                                                                             : DISP_E_TYPEMISMATCH;
  }
};

TEST(LateBoundCalls, PassByReferenceAndLeaveOptionalArgumentsOut) {
  Doubler doubler;
  Variant value("21");
  CallMethod(doubler, "Twice", {Argument::ByRef(value), Variant::Missing()});
  EXPECT_EQ(value.ToLong(), 42) << "the member's change is seen by the caller";
  EXPECT_TRUE(doubler.extraLeftOut);
}

// What an ActiveX control reads from and writes to its stored settings,
// here those of a form whose block holds `settings`.
ComPtr<ComPropertyBag> BagOver(const std::string& settings) {
  const ObjectDescription form = ParseFormText("Begin VB.Form F\r\n" + settings + "End\r\n", "F");
  ComPtr<ComPropertyBag> bag;
  bag.Attach(new ComPropertyBag(PropertyBag(form.properties, "F")));
  return bag;
}

TEST(ComPropertyBagOverSettings, ReadsAsTheControlAsksAndWritesFormText) {
  const ComPtr<ComPropertyBag> bag = BagOver(
      "   Caption = \"hello\"\r\n   Count = 42\r\n   Flag = -1  'True\r\n   Colour = &H00FF00FF&\r\n"
      "   Ratio = 2.5\r\n");
  const struct {
    const wchar_t* key;
    VARTYPE asked;
    HRESULT result;
    std::string text;  // the value read, as text
    VARTYPE given;
  } reads[] = {
      {L"Caption", VT_EMPTY, S_OK, "hello", VT_BSTR},
      {L"caption", VT_BSTR, S_OK, "hello", VT_BSTR},
      {L"Count", VT_I4, S_OK, "42", VT_I4},
      {L"Count", VT_I2, S_OK, "42", VT_I2},
      {L"Count", VT_BSTR, S_OK, "42", VT_BSTR},
      {L"Flag", VT_BOOL, S_OK, "True", VT_BOOL},
      {L"Colour", VT_UI4, S_OK, "16711935", VT_UI4},
      {L"Ratio", VT_R4, S_OK, "2.5", VT_R4},
      {L"Missing", VT_I4, E_INVALIDARG, "", VT_I4},
      {L"Caption", VT_I4, DISP_E_TYPEMISMATCH, "", VT_I4},
      // No type asked: the type the text reads as.
      {L"Count", VT_EMPTY, S_OK, "42", VT_I4},
      {L"Colour", VT_EMPTY, S_OK, "16711935", VT_UI4},
      {L"Ratio", VT_EMPTY, S_OK, "2.5", VT_R8},
  };
  for (const auto& read : reads) {
    Variant value;
    value.put()->vt = read.asked;
    EXPECT_EQ(bag->Read(read.key, value.get(), nullptr), read.result) << read.asked;
    if (read.result != S_OK) continue;
    EXPECT_EQ(value.Type(), read.given);
    EXPECT_EQ(value.ToString(), read.text);
  }

  Variant count(Long{7});
  Variant caption("say \"hi\"");
  ASSERT_EQ(bag->Write(L"Count", count.get()), S_OK);
  ASSERT_EQ(bag->Write(L"NewKey", caption.get()), S_OK);
  EXPECT_EQ(WritePropertyBlock(bag->Bag().Block(), 1),
            "   Caption = \"hello\"\r\n   Flag = -1\r\n   Colour = &H00FF00FF&\r\n   Ratio = 2.5\r\n   Count = 7\r\n"
            "   NewKey = \"say \"\"hi\"\"\"\r\n");
}

TEST(ComPropertyBagOverSettings, FontsAreStandardFontObjectsBothWays) {
  const ComPtr<ComPropertyBag> bag = BagOver(
      "   BeginProperty Font\r\n      Name = \"Tahoma\"\r\n      Size = 12\r\n      Weight = 700\r\n"
      "      Italic = -1\r\n   EndProperty\r\n");
  Variant read;
  ASSERT_EQ(bag->Read(L"Font", read.put(), nullptr), S_OK) << "a font whatever type is asked";
  ASSERT_EQ(read.Type(), VT_DISPATCH);
  ComPtr<IFont> font;
  ASSERT_EQ(read.get()->pdispVal->QueryInterface(IID_PPV_ARGS(&font)), S_OK);
  Bstr name;
  CY size{};
  BOOL bold = FALSE;
  BOOL italic = FALSE;
  font->get_Name(name.put());
  font->get_Size(&size);
  font->get_Bold(&bold);
  font->get_Italic(&italic);
  EXPECT_EQ(name.ToAnsi(), "Tahoma") << "a face every system has, so that no other is chosen";
  EXPECT_EQ(size.int64, 120000);
  EXPECT_TRUE(bold);
  EXPECT_TRUE(italic);

  size.int64 = 97500;
  ASSERT_EQ(font->put_Size(size), S_OK);
  ASSERT_EQ(font->put_Bold(FALSE), S_OK);
  ASSERT_EQ(bag->Write(L"Font", read.get()), S_OK);
  const Font written = bag->Bag().ReadProperty<Font>("Font", Font());
  EXPECT_EQ(written.Name, "Tahoma");
  EXPECT_EQ(written.Size, 9.75f);
  EXPECT_FALSE(written.Bold);
  EXPECT_TRUE(written.Italic);
}

}  // namespace
}  // namespace host
