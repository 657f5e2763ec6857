#include <gtest/gtest.h>

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

#include "host/com/com_ptr.h"
#include "host/win32/bstr.h"
#include "regions/region_enums.h"
#include "regions/region_ids.h"
#include "regions/tests/library_file.h"

namespace regions {
namespace {

using host::Bstr;
using host::ComPtr;

// The type library Regions.ocx carries as TYPELIB 1.
ComPtr<ITypeLib> CarriedTypeLibrary() {
  ComPtr<ITypeLib> library;
  EXPECT_EQ(LoadTypeLibEx(Bstr(testing::LibraryPath()).get(), REGKIND_NONE, &library), S_OK);
  return library;
}

std::string NameOf(ITypeInfo& type, MEMBERID member = MEMBERID_NIL) {
  Bstr name;
  type.GetDocumentation(member, name.put(), nullptr, nullptr, nullptr);
  return name.ToAnsi();
}

std::string HelpOf(ITypeInfo& type, MEMBERID member) {
  Bstr help;
  type.GetDocumentation(member, nullptr, help.put(), nullptr, nullptr);
  return help.ToAnsi();
}

ComPtr<ITypeInfo> TypeNamed(ITypeLib& library, const char* name) {
  for (UINT i = 0; i < library.GetTypeInfoCount(); ++i) {
    ComPtr<ITypeInfo> type;
    library.GetTypeInfo(i, &type);
    if (NameOf(*type.Get()) == name) return type;
  }
  ADD_FAILURE() << "no type " << name;
  return nullptr;
}

// The vtable half of a dual interface: its own entries, without IDispatch's.
ComPtr<ITypeInfo> VtableOf(ITypeInfo& dual) {
  HREFTYPE reference = 0;
  ComPtr<ITypeInfo> vtable;
  EXPECT_EQ(dual.GetRefTypeOfImplType(-1, &reference), S_OK);
  EXPECT_EQ(dual.GetRefTypeInfo(reference, &vtable), S_OK);
  return vtable;
}

struct Parameter {
  VARTYPE type;
  USHORT flags;
};

struct Entry {
  std::string name;
  std::string access;  // "call", or the property's accessors in order: "get put", "get putref", "get"
  MEMBERID id;
  std::vector<Parameter> parameters;  // of all its accessors
};

// The entries of an interface in declaration order, a property's accessors counted as one.
std::vector<Entry> EntriesOf(ITypeInfo& type) {
  TYPEATTR* attributes = nullptr;
  type.GetTypeAttr(&attributes);
  std::vector<Entry> entries;
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = nullptr;
    type.GetFuncDesc(i, &function);
    const char* access = function->invkind == INVOKE_PROPERTYGET      ? "get"
                         : function->invkind == INVOKE_PROPERTYPUT    ? "put"
                         : function->invkind == INVOKE_PROPERTYPUTREF ? "putref"
                                                                      : "call";
    if (!entries.empty() && entries.back().id == function->memid) {
      entries.back().access += std::string(" ") + access;
    } else {
      entries.push_back({NameOf(type, function->memid), access, function->memid, {}});
    }
    for (SHORT p = 0; p < function->cParams; ++p) {
      const ELEMDESC& parameter = function->lprgelemdescParam[p];
      entries.back().parameters.push_back({parameter.tdesc.vt, parameter.paramdesc.wParamFlags});
    }
    type.ReleaseFuncDesc(function);
  }
  type.ReleaseTypeAttr(attributes);
  return entries;
}

std::vector<std::pair<std::string, std::string>> NamesAndAccess(const std::vector<Entry>& entries) {
  std::vector<std::pair<std::string, std::string>> result;
  result.reserve(entries.size());
  for (const Entry& entry : entries) result.emplace_back(entry.name, entry.access);
  return result;
}

TEST(ShapecraftTypeLibrary, IsNamedAndDescribedInUsEnglishWithTheLibrarysIdentifier) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->guid, kTypeLibraryId);
  EXPECT_EQ(attributes->lcid, 0x0409u);
  EXPECT_EQ(attributes->wMajorVerNum, kTypeLibraryMajor);
  EXPECT_EQ(attributes->wMinorVerNum, kTypeLibraryMinor);
  library->ReleaseTLibAttr(attributes);
  Bstr name;
  Bstr help;
  ASSERT_EQ(library->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(name.ToAnsi(), "Shapecraft");
  EXPECT_EQ(help.ToAnsi(), "Shapecraft, Use window regions");
}

TEST(ShapecraftTypeLibrary, HoldsTheEnumerationsInterfacesAndControlClasses) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  constexpr WORD kFlags = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE;
  const struct {
    const char* name;
    TYPEKIND kind;
    WORD flags;
    const GUID* id;  // null: none given
  } types[] = {
      {"RegionHow", TKIND_ENUM, 0, nullptr},
      {"RegionWhat", TKIND_ENUM, 0, nullptr},
      {"RegionTransparentHow", TKIND_ENUM, 0, nullptr},
      {"RegionWhatTransparent", TKIND_ENUM, 0, nullptr},
      {"_RegionContainer", TKIND_DISPATCH, TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL, &kRegionContainerInterfaceId},
      {"__RegionContainer", TKIND_DISPATCH, TYPEFLAG_FHIDDEN, &kRegionContainerEventsId},
      {"_RegionTransparent", TKIND_DISPATCH, TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL, &kRegionTransparentInterfaceId},
      {"__RegionTransparent", TKIND_DISPATCH, TYPEFLAG_FHIDDEN, &kRegionTransparentEventsId},
      {"RegionContainer", TKIND_COCLASS, TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE, &kRegionContainerClassId},
      {"RegionTransparent", TKIND_COCLASS, TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE, &kRegionTransparentClassId},
  };
  ASSERT_EQ(library->GetTypeInfoCount(), std::size(types));
  for (UINT i = 0; i < std::size(types); ++i) {
    ComPtr<ITypeInfo> type;
    ASSERT_EQ(library->GetTypeInfo(i, &type), S_OK);
    EXPECT_EQ(NameOf(*type.Get()), types[i].name);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(type->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->typekind, types[i].kind) << types[i].name;
    EXPECT_EQ(attributes->wTypeFlags & kFlags, types[i].flags) << types[i].name;
    if (types[i].id != nullptr) {
      EXPECT_EQ(attributes->guid, *types[i].id) << types[i].name;
    }
    type->ReleaseTypeAttr(attributes);
  }
}

TEST(ShapecraftTypeLibrary, EnumerationMembersHaveTheValuesTheCodeUses) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  using Members = std::vector<std::pair<std::string, LONG>>;
  const auto value = [](auto member) { return static_cast<LONG>(member); };
  const std::map<std::string, Members> enumerations = {
      {"RegionHow",
       {{"rnEllipse", value(RegionHow::rnEllipse)},
        {"rnBlock", value(RegionHow::rnBlock)},
        {"rnBlockRounded", value(RegionHow::rnBlockRounded)},
        {"rnPolygon", value(RegionHow::rnPolygon)}}},
      {"RegionWhat",
       {{"rOR", value(RegionWhat::rOR)},
        {"rAND", value(RegionWhat::rAND)},
        {"rXOR", value(RegionWhat::rXOR)},
        {"rDIFF", value(RegionWhat::rDIFF)},
        {"rCOPY", value(RegionWhat::rCOPY)}}},
      {"RegionTransparentHow",
       {{"rnEllipse", value(RegionTransparentHow::rnEllipse)},
        {"rnBlock", value(RegionTransparentHow::rnBlock)},
        {"rnBlockRounded", value(RegionTransparentHow::rnBlockRounded)}}},
      {"RegionWhatTransparent",
       {{"rwAND", value(RegionWhatTransparent::rwAND)},
        {"rwOR", value(RegionWhatTransparent::rwOR)},
        {"rwXOR", value(RegionWhatTransparent::rwXOR)},
        {"rwDIFF", value(RegionWhatTransparent::rwDIFF)},
        {"rwCOPY", value(RegionWhatTransparent::rwCOPY)}}},
  };
  for (const auto& [name, expected] : enumerations) {
    const ComPtr<ITypeInfo> type = TypeNamed(*library.Get(), name.c_str());
    ASSERT_TRUE(type);
    TYPEATTR* attributes = nullptr;
    type->GetTypeAttr(&attributes);
    Members members;
    for (UINT i = 0; i < attributes->cVars; ++i) {
      VARDESC* member = nullptr;
      type->GetVarDesc(i, &member);
      members.emplace_back(NameOf(*type.Get(), member->memid), member->lpvarValue->lVal);
      type->ReleaseVarDesc(member);
    }
    type->ReleaseTypeAttr(attributes);
    EXPECT_EQ(members, expected) << name;
  }
}

const std::map<std::string, std::string> kContainerHelp = {
    {"BackColor", "Returns/sets the background color used to display text and graphics in an object."},
    {"DrawWidth", "Returns/sets the line width for output from graphics methods."},
    {"DrawStyle", "Determines the line style for output from graphics methods."},
    {"DrawMode", "Sets the appearance of output from graphics methods or of a Shape or Line control."},
    {"Circle_", "Draws a circle, eclipse, or arc on an object."},
    {"AutoRedraw", "Returns/sets the output from a graphics method to a persistent bitmap."},
    {"RegionMode",
     "Determines current region, ellipse etc.., poly can be set but not visual in design time, see Add2PolyRegion to "
     "fill."},
    {"BoxRoundedX", "For rounded boxes only, sets angle (X)"},
    {"BoxRoundedY", "For rounded boxes only, sets angle (Y)"},
    {"ClearPolyRegion",
     "Erases the polycoordinates array completely or just a given index, refresh afterwards, see Add2PolyRegion to "
     "fill."},
    {"Add2PolyRegion",
     "To create poly regions an (internal) array is required, just add X and Y position(s) during run-time and "
     "refresh afterwards."},
    {"RegionHandle",
     "Returns the current created region's handle, you may combine a new region using API (Refresh with parameter)"},
    {"ThisObject",
     "Returns the reference to the current object, enables you to set specific properties etc.. (Print for example)"},
    {"AddedRegionsCount", "Returns amount of regions added in run-time. (The first region starts with index 0)"},
    {"Click", "Occurs when the user presses and then releases a mouse button over an object."},
    {"DblClick",
     "Occurs when the user presses and releases a mouse button and then presses and releases it again over "
     "an object."},
};

TEST(ShapecraftTypeLibrary, RegionContainersEntriesComeInOrderWithTheirDescriptions) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  const ComPtr<ITypeInfo> dual = TypeNamed(*library.Get(), "_RegionContainer");
  ASSERT_TRUE(dual);
  const ComPtr<ITypeInfo> vtable = VtableOf(*dual.Get());
  ASSERT_TRUE(vtable);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"BackColor", "get put"},
      {"ForeColor", "get put"},
      {"Enabled", "get put"},
      {"Font", "get putref"},
      {"TextWidth", "call"},
      {"TextHeight", "call"},
      {"Size", "call"},
      {"ScaleY", "call"},
      {"ScaleX", "call"},
      {"ScaleWidth", "get put"},
      {"ScaleTop", "get put"},
      {"ScaleMode", "get put"},
      {"ScaleLeft", "get put"},
      {"ScaleHeight", "get put"},
      {"Scale_", "call"},
      {"RightToLeft", "get put"},
      {"PSet_", "call"},
      {"PopupMenu", "call"},
      {"Point", "call"},
      {"Picture", "get putref"},
      {"PaintPicture", "call"},
      {"OLEDropMode", "get put"},
      {"OLEDrag", "call"},
      {"MousePointer", "get put"},
      {"MouseIcon", "get putref"},
      {"MaskPicture", "get putref"},
      {"MaskColor", "get put"},
      {"Image", "get"},
      {"hWnd", "get"},
      {"hdc", "get"},
      {"FontTransparent", "get put"},
      {"FillStyle", "get put"},
      {"FillColor", "get put"},
      {"DrawWidth", "get put"},
      {"DrawStyle", "get put"},
      {"DrawMode", "get put"},
      {"CurrentY", "get put"},
      {"CurrentX", "get put"},
      {"Controls", "get"},
      {"Cls", "call"},
      {"ClipControls", "get"},
      {"Circle_", "call"},
      {"AutoRedraw", "get put"},
      {"Refresh", "call"},
      {"RegionMode", "get put"},
      {"BoxRoundedX", "get put"},
      {"BoxRoundedY", "get put"},
      {"ClearPolyRegion", "call"},
      {"Add2PolyRegion", "call"},
      {"RegionHandle", "get"},
      {"ThisObject", "get"},
      {"ClearAddedRegions", "call"},
      {"AddEllipse", "call"},
      {"AddRectangle", "call"},
      {"AddedRegionsCount", "get"},
      {"AddedPolyCount", "get"},
      {"WidthInTwips", "get"},
      {"HeightInTwips", "get"},
  };
  const std::vector<Entry> entries = EntriesOf(*vtable.Get());
  EXPECT_EQ(NamesAndAccess(entries), expected);
  for (const Entry& entry : entries) {
    const auto help = kContainerHelp.find(entry.name);
    EXPECT_EQ(HelpOf(*dual.Get(), entry.id), help != kContainerHelp.end() ? help->second : "") << entry.name;
  }
}

// Optional arguments are VARIANTs a caller may leave out.
TEST(ShapecraftTypeLibrary, OptionalArgumentsAreOptionalVariants) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  const ComPtr<ITypeInfo> vtable = VtableOf(*TypeNamed(*library.Get(), "_RegionContainer").Get());
  ASSERT_TRUE(vtable);
  const std::map<std::string, int> optionalCounts = {
      {"ScaleY", 2},       {"ScaleX", 2},       {"Scale_", 4},          {"PopupMenu", 4},
      {"PaintPicture", 7}, {"Refresh", 1},      {"ClearPolyRegion", 1}, {"ClearAddedRegions", 1},
      {"AddEllipse", 1},   {"AddRectangle", 3},
  };
  for (const Entry& entry : EntriesOf(*vtable.Get())) {
    int optional = 0;
    for (const Parameter& parameter : entry.parameters) {
      if ((parameter.flags & PARAMFLAG_FOPT) == 0) continue;
      EXPECT_EQ(parameter.type, VT_VARIANT) << entry.name;
      ++optional;
    }
    const auto expected = optionalCounts.find(entry.name);
    EXPECT_EQ(optional, expected != optionalCounts.end() ? expected->second : 0) << entry.name;
  }
}

TEST(ShapecraftTypeLibrary, RegionContainersEventsAreNumberedInOrderWithEveryArgumentByReference) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  const ComPtr<ITypeInfo> events = TypeNamed(*library.Get(), "__RegionContainer");
  ASSERT_TRUE(events);
  const std::vector<std::pair<std::string, int>> expected = {
      {"Click", 0},
      {"DblClick", 0},
      {"KeyDown", 2},
      {"KeyPress", 1},
      {"KeyUp", 2},
      {"MouseDown", 4},
      {"MouseMove", 4},
      {"MouseUp", 4},
      {"WriteProperties", 1},
      {"Show", 0},
      {"Resize", 0},
      {"ReadProperties", 1},
      {"Paint", 0},
      {"OLEStartDrag", 2},
      {"OLESetData", 2},
      {"OLEGiveFeedback", 2},
      {"OLEDragOver", 7},
      {"OLEDragDrop", 6},
      {"OLECompleteDrag", 1},
      {"InitProperties", 0},
      {"Hide", 0},
  };
  const std::vector<Entry> entries = EntriesOf(*events.Get());
  ASSERT_EQ(entries.size(), expected.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].name, expected[i].first);
    EXPECT_EQ(entries[i].id, static_cast<MEMBERID>(i + 1)) << entries[i].name;
    EXPECT_EQ(entries[i].parameters.size(), static_cast<std::size_t>(expected[i].second)) << entries[i].name;
    for (const Parameter& parameter : entries[i].parameters) EXPECT_EQ(parameter.type, VT_PTR) << entries[i].name;
    const auto help = kContainerHelp.find(entries[i].name);
    EXPECT_EQ(HelpOf(*events.Get(), entries[i].id), help != kContainerHelp.end() ? help->second : "")
        << entries[i].name;
  }
}

TEST(ShapecraftTypeLibrary, RegionTransparentsEntriesComeInOrderWithoutDescriptions) {
  const ComPtr<ITypeLib> library = CarriedTypeLibrary();
  ASSERT_TRUE(library);
  const ComPtr<ITypeInfo> dual = TypeNamed(*library.Get(), "_RegionTransparent");
  ASSERT_TRUE(dual);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"hWnd", "get"},
      {"Enabled", "get put"},
      {"BackColor", "get put"},
      {"Cls", "call"},
      {"hdc", "get"},
      {"RegionMode", "get put"},
      {"WhatTransparent", "get put"},
      {"BoxRoundedX", "get put"},
      {"BoxRoundedY", "get put"},
      {"WidthInTwips", "get"},
      {"HeightInTwips", "get"},
  };
  const std::vector<Entry> entries = EntriesOf(*VtableOf(*dual.Get()).Get());
  EXPECT_EQ(NamesAndAccess(entries), expected);
  for (const Entry& entry : entries) EXPECT_EQ(HelpOf(*dual.Get(), entry.id), "") << entry.name;

  const ComPtr<ITypeInfo> events = TypeNamed(*library.Get(), "__RegionTransparent");
  ASSERT_TRUE(events);
  const std::vector<Entry> raised = EntriesOf(*events.Get());
  ASSERT_EQ(raised.size(), 1u);
  EXPECT_EQ(raised[0].name, "Resize");
  EXPECT_EQ(raised[0].id, 1);
  EXPECT_TRUE(raised[0].parameters.empty());
}

}  // namespace
}  // namespace regions
