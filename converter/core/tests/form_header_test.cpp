#include "converter/core/form_header.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

const std::vector<std::string_view> kVersion4Header = {
    "VERSION 4.00",
    "Begin VB.Form Form1 ",
    "   Caption         =   \"Main=Window\"",
    "   ClientHeight    =   3195",
    "   ClientLeft      =   60",
    "   ClientTop       =   345",
    "   ClientWidth     =   4680",
    "   Height          =   3600",
    "   Left            =   1080",
    "   LinkTopic       =   \"Form1\"",
    "   ScaleHeight     =   9999",
    "   ScaleWidth      =   8888",
    "   Top             =   1170",
    "   Width           =   4800",
    " End",
    "   Left            =   7777",
};

TEST(ParseFormHeader, FormwrightReadsTheClientSize) {
  const FormHeader header = ParseFormHeader(kVersion4Header, Edition::Formwright);
  EXPECT_EQ(header.caption, "Main");  // cut at the "="
  EXPECT_EQ(header.height, "3195");
  EXPECT_EQ(header.width, "4680");
  EXPECT_EQ(header.left, "1080");  // the scan stopped at End
  EXPECT_EQ(header.top, "1170");
}

TEST(ParseFormHeader, TinwrightReadsTheOuterSizeAndTheLastWidthLine) {
  const FormHeader header = ParseFormHeader(kVersion4Header, Edition::Tinwright);
  EXPECT_EQ(header.height, "3600");
  EXPECT_EQ(header.width, "4800");
  EXPECT_EQ(header.left, "1080");
}

TEST(ParseFormHeader, TinwrightTakesScaleWidthWhenItComesLast) {
  const FormHeader header = ParseFormHeader(
      std::vector<std::string_view>{"   Width           =   4800", "   ScaleWidth      =   4680"}, Edition::Tinwright);
  EXPECT_EQ(header.width, "4680");
}

TEST(ParseFormHeader, PropertyGroupEndStopsTheScan) {
  const FormHeader header =
      ParseFormHeader(std::vector<std::string_view>{"   ClientHeight    =   3195", "   BeginProperty Font ",
                                                    "   EndProperty", "   ClientWidth     =   4680"},
                      Edition::Formwright);
  EXPECT_EQ(header.height, "3195");
  EXPECT_EQ(header.width, "");
}

TEST(ParseFormHeader, LinesWithoutQuotesOrEqualsGiveEmptyValues) {
  const FormHeader header =
      ParseFormHeader(std::vector<std::string_view>{"   Caption Form1", "   ClientHeight 3195"}, Edition::Formwright);
  EXPECT_EQ(header.caption, "");
  EXPECT_EQ(header.height, "");
}

TEST(ConvertFormSize, ConvertsTwipsToDialogUnits) {
  FormHeader header;
  header.width = "4680";
  header.height = "3195";
  header.left = "1080";
  header.top = "1170";
  ConvertFormSize(header, Edition::Formwright);
  EXPECT_EQ(header.dlgWidth, "  208");
  EXPECT_EQ(header.dlgHeight, "  131");
  EXPECT_EQ(header.dlgHeightWithMenu, "  143");
  EXPECT_EQ(header.dlgLeft, "   48");
  EXPECT_EQ(header.dlgTop, "   48");
}

TEST(ConvertFormSize, TinwrightTakesTheFrameOff) {
  FormHeader header;
  header.width = "4800";
  header.height = "3600";
  ConvertFormSize(header, Edition::Tinwright);
  EXPECT_EQ(header.dlgWidth, "  209");   // 213 - 4
  EXPECT_EQ(header.dlgHeight, "  132");  // 148 - 16
  EXPECT_EQ(header.dlgHeightWithMenu, "  144");
}

TEST(ConvertFormSize, EmptySizesAreZero) {
  FormHeader formwright;
  ConvertFormSize(formwright, Edition::Formwright);
  EXPECT_EQ(formwright.dlgLeft, "    0");
  EXPECT_EQ(formwright.dlgHeightWithMenu, "   12");
  FormHeader tinwright;
  ConvertFormSize(tinwright, Edition::Tinwright);
  EXPECT_EQ(tinwright.dlgWidth, "   -4");
  EXPECT_EQ(tinwright.dlgHeight, "  -16");
  EXPECT_EQ(tinwright.dlgHeightWithMenu, "   -4");
}

}  // namespace
}  // namespace converter
