#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "host/description/form_text.h"
#include "host/description/property_bag.h"
#include "host/runtime/error.h"
#include "host/testing/raised_error.h"

namespace host {
namespace {

using testing::ErrorNumberOf;

constexpr std::string_view kForm =
    "VERSION 5.00\r\n"
    "Object = \"{00000000-0000-0000-0000-000000000000}#1.0#0\"; \"x.ocx\"\r\n"
    "Begin VB.Form Form1 \r\n"
    "   Caption         =   \"Size me... 'not a comment'\"\r\n"
    "   ClientWidth     =   4680  'in twips\r\n"
    "   Picture         =   \"Form1.frx\":01A4 'kept beside\r\n"
    "   Begin Project1.DayGrid DayGrid1 \r\n"
    "      BackColor       =   &H00808080&\r\n"
    "      BorderStyle     =   1\r\n"
    "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} \r\n"
    "         Name            =   \"MS Sans Serif\"\r\n"
    "         Size            =   9.75\r\n"
    "      EndProperty\r\n"
    "   End\r\n"
    "End\r\n"
    "Attribute VB_Name = \"Form1\"\r\n";

TEST(FormText, ReadsBlocksSettingsAndGroups) {
  const ObjectDescription form = ParseFormText(kForm, "Form1");
  EXPECT_EQ(form.className, "VB.Form");
  EXPECT_EQ(form.name, "Form1");
  ASSERT_NE(form.properties.Find("caption"), nullptr);
  EXPECT_EQ(form.properties.Find("Caption")->value, "\"Size me... 'not a comment'\"");
  EXPECT_EQ(form.properties.Find("ClientWidth")->value, "4680");
  EXPECT_EQ(form.properties.Find("Picture")->value, "\"Form1.frx\":01A4");
  ASSERT_EQ(form.children.size(), 1u);
  const ObjectDescription& grid = form.children[0];
  EXPECT_EQ(grid.className, "Project1.DayGrid");
  EXPECT_EQ(grid.name, "DayGrid1");
  ASSERT_NE(grid.properties.FindGroup("font"), nullptr);
  EXPECT_EQ(grid.properties.FindGroup("Font")->block.Find("Size")->value, "9.75");
}

TEST(FormText, MalformedStructureRaisesAnErrorNamingTheLine) {
  try {
    ParseFormText("VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"x\"\r\n", "Form1");
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 380);
    EXPECT_NE(error.Description().find("Form1"), std::string::npos);
  }
  EXPECT_THROW(ParseFormText("Begin VB.Form Form1\r\n   no equals sign\r\nEnd\r\n", "Form1"), RuntimeError);
}

TEST(FormText, ObjectLinesNameTheFormsControlLibraries) {
  const ObjectDescription form = ParseFormText(
      "VERSION 5.00\r\n"
      "Object = \"{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1.a#409\"; \"RuntimeProbe.ocx\"\r\n"
      "object=\"{00000000-0000-0000-0000-000000000001}#2.0#0\";\"Other.ocx\"\r\n"
      "Begin VB.Form Form1\r\nEnd\r\n",
      "Form1");
  ASSERT_EQ(form.libraries.size(), 2u);
  const ControlLibraryReference& probe = form.libraries[0];
  EXPECT_EQ(probe.typeLibraryId, "{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}");
  EXPECT_EQ(std::tuple(probe.majorVersion, probe.minorVersion, probe.localeId), std::tuple(1u, 10u, 0x409ul));
  EXPECT_EQ(probe.fileName, "RuntimeProbe.ocx");
  EXPECT_EQ(form.libraries[1].fileName, "Other.ocx");

  const char* malformed[] = {
      "Object = \"{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1.0#0\"",              // no file
      "Object = \"{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1#0\"; \"a.ocx\"",     // no minor version
      "Object = \"{6E0C4A52-3C3B-4B9A}#1.0#0\"; \"a.ocx\"",                     // not a GUID
      "Object = \"{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1.0#zz\"; \"a.ocx\"",  // no locale
      "Object = {6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1.0#0; a.ocx",           // unquoted
  };
  for (const char* line : malformed) {
    EXPECT_EQ(ErrorNumberOf([&] { ParseFormText(std::string(line) + "\r\nBegin VB.Form F\r\nEnd\r\n", "F"); }), 380)
        << line;
  }
}

// A form holding `levels` blocks in all, each inside the one before.
std::string NestedForm(int levels, const std::string& open, const std::string& close) {
  std::string text = "Begin VB.Form F\r\n";
  for (int level = 1; level < levels; ++level) text += open + "\r\n";
  for (int level = 1; level < levels; ++level) text += close + "\r\n";
  return text + "End\r\n";
}

TEST(FormText, BlocksNestedDeeperThan64LevelsRaiseError380) {
  const struct {
    std::string open, close;
  } blocks[] = {{"Begin VB.Frame Frame1", "End"}, {"BeginProperty Font", "EndProperty"}};
  for (const auto& block : blocks) {
    EXPECT_EQ(ErrorNumberOf([&] { ParseFormText(NestedForm(64, block.open, block.close), "F"); }), 0) << block.open;
    EXPECT_EQ(ErrorNumberOf([&] { ParseFormText(NestedForm(65, block.open, block.close), "F"); }), 380) << block.open;
  }
}

TEST(FormText, KeysNamedLikeBlocksReadBackAsSettings) {
  for (const char* key : {"Begin", "BeginProperty", "Begin x", "End"}) {
    PropertyBag written;
    written.WriteProperty<Long>(key, 7, 0);
    const std::string text = "Begin VB.Form F\r\n" + WritePropertyBlock(written.Block(), 1) + "End\r\n";
    EXPECT_EQ(PropertyBag(ParseFormText(text, "F").properties, "F").ReadProperty<Long>(key, 0), 7) << text;
  }
}

TEST(PropertyBag, MissingKeysGiveTheDefaultAndKeysIgnoreCase) {
  const PropertyBag bag(ParseFormText(kForm, "Form1").children[0].properties, "Form1.DayGrid1");
  EXPECT_EQ(bag.ReadProperty<OleColor>("backcolor", 0), 0x00808080u);
  EXPECT_EQ(bag.ReadProperty<Integer>("BORDERSTYLE", 0), 1);
  EXPECT_EQ(bag.ReadProperty<Long>("mcStyle", 7), 7);
  EXPECT_EQ(bag.ReadProperty<Font>("Font", Font{}).Size, 9.75f);
  EXPECT_EQ(bag.ReadProperty<Boolean>("Enabled", True), True);
}

TEST(PropertyBag, ValuesEqualToTheirDefaultsAreNotStored) {
  PropertyBag bag;
  bag.WriteProperty<Long>("mcStyle", 0, 0);
  bag.WriteProperty<Boolean>("Enabled", True, True);
  EXPECT_TRUE(bag.Block().settings.empty());
  bag.WriteProperty<Long>("mcStyle", 1, 0);
  EXPECT_TRUE(bag.Contains("MCSTYLE"));
  bag.WriteProperty<Long>("MCSTYLE", 0, 0);
  EXPECT_FALSE(bag.Contains("mcStyle")) << "writing the default again drops the stored value";
}

TEST(PropertyBag, EveryValueTypeRoundTripsThroughFormText) {
  Font font;
  font.Name = "Arial";
  font.Size = 12;
  font.Bold = true;
  font.Strikethrough = true;
  PropertyBag written;
  written.WriteProperty<Integer>("Short", -5, 0);
  written.WriteProperty<Long>("Long", 100000, 0);
  written.WriteProperty<Single>("Single", 2.5f, 0);
  written.WriteProperty<double>("Double", 0.1, 0);
  written.WriteProperty<Boolean>("Flag", False, True);
  written.WriteProperty<OleColor>("Colour", 0x8000000F, 0);
  written.WriteProperty<std::string>("Text", "say \"hi\"", "");
  written.WriteProperty<Date>("When", Date(45351.75), Date());
  written.WriteProperty<Font>("Font", font, Font{});

  const std::string text = "Begin VB.Form F\r\n" + WritePropertyBlock(written.Block(), 1) + "End\r\n";
  const PropertyBag read(ParseFormText(text, "F").properties, "F");
  EXPECT_EQ(read.ReadProperty<Integer>("Short", 0), -5);
  EXPECT_EQ(read.ReadProperty<Long>("Long", 0), 100000);
  EXPECT_EQ(read.ReadProperty<Single>("Single", 0), 2.5f);
  EXPECT_EQ(read.ReadProperty<double>("Double", 0), 0.1);
  EXPECT_EQ(read.ReadProperty<Boolean>("Flag", True), False);
  EXPECT_EQ(read.ReadProperty<OleColor>("Colour", 0), 0x8000000Fu);
  EXPECT_EQ(read.ReadProperty<std::string>("Text", ""), "say \"hi\"");
  EXPECT_EQ(read.ReadProperty<Date>("When", Date()), Date(45351.75));
  EXPECT_EQ(read.ReadProperty<Font>("Font", Font{}), font);
  EXPECT_NE(text.find("Colour = &H8000000F&"), std::string::npos) << text;
}

TEST(PropertyBag, ABadValueRaisesError380NamingOwnerKeyAndValue) {
  const PropertyBag bag(
      ParseFormText("Begin VB.Form F\r\n   Width = 12x\r\n   Small = 40000\r\nEnd\r\n", "F").properties,
      "Form1.Check1");
  for (const char* key : {"Width", "Small"}) {
    try {
      bag.ReadProperty<Integer>(key, 0);
      FAIL() << "no error for " << key;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), 380);
      EXPECT_NE(error.Description().find("Form1.Check1"), std::string::npos) << error.Description();
      EXPECT_NE(error.Description().find(key), std::string::npos) << error.Description();
    }
  }
}

// A bag holding one setting, `Value = <value>`.
PropertyBag BagWithValue(const std::string& value) {
  return PropertyBag(ParseFormText("Begin VB.Form F\r\n   Value = " + value + "\r\nEnd\r\n", "F").properties, "F");
}

TEST(PropertyBag, NumbersThatAreNoFiniteValueOfTheTypeRaiseError380) {
  for (const char* value : {"nan", "inf", "-infinity", "1e999", "1e39", "-3.5e38", "0x10", "1,5"}) {
    EXPECT_EQ(ErrorNumberOf([&] { BagWithValue(value).ReadProperty<Single>("Value", 0); }), 380) << value;
  }
  EXPECT_EQ(BagWithValue("+3e38").ReadProperty<Single>("Value", 0), 3e38f);
  EXPECT_EQ(BagWithValue("1e39").ReadProperty<double>("Value", 0), 1e39);
}

TEST(PropertyBag, QuotedDatesAreIsoTextInEveryLocale) {
  const struct {
    const char* text;
    double serial;
  } dates[] = {{"\"2024-02-29 18:00\"", 45351.75}, {"\"2024-02-29T18:00:00\"", 45351.75}, {"\"1899-12-30\"", 0},
               {"\"1899-12-29 06:00\"", -1.25},    {"\"0100-01-01\"", -657434},           {"\"9999-12-31\"", 2958465}};
  for (const auto& date : dates) {
    EXPECT_EQ(BagWithValue(date.text).ReadProperty<Date>("Value", Date()), Date(date.serial)) << date.text;
  }
  for (const char* text : {"\"2023-02-29\"", "\"0099-12-31\"", "\"2024-02-29 24:00\"", "\"2024-2-29\"",
                           "\"29/02/2024\"", "\"2024-02-29 18\""}) {
    EXPECT_EQ(ErrorNumberOf([&] { BagWithValue(text).ReadProperty<Date>("Value", Date()); }), 380) << text;
  }
}

}  // namespace
}  // namespace host
