#include "converter/core/edition_data.h"

namespace converter {

namespace {

constexpr HeaderKey kFormwrightHeaderKeys[] = {
    {"VERSION", HeaderAction::Ignore},    {"Caption", HeaderAction::Caption},  {"ClientHeight", HeaderAction::Height},
    {"ClientLeft", HeaderAction::Ignore}, {"ClientTop", HeaderAction::Ignore}, {"ClientWidth", HeaderAction::Width},
    {"   Height", HeaderAction::Ignore},  {"LinkTopic", HeaderAction::Ignore}, {"Scale", HeaderAction::Ignore},
    {"   Left", HeaderAction::Left},      {"   Top", HeaderAction::Top},       {"End", HeaderAction::Stop},
};

// The primer build reads the outer size; "Width" comes before "Scale", so
// every line holding "Width" sets the width and the last one wins.
constexpr HeaderKey kTinwrightHeaderKeys[] = {
    {"VERSION", HeaderAction::Ignore},   {"Caption", HeaderAction::Caption},  {"Width", HeaderAction::Width},
    {"   Height", HeaderAction::Height}, {"LinkTopic", HeaderAction::Ignore}, {"Scale", HeaderAction::Ignore},
    {"   Left", HeaderAction::Left},     {"   Top", HeaderAction::Top},       {"End", HeaderAction::Stop},
};

constexpr EditionData kFormwright{
    "formwright",
    "Dialogwright for VB Ver. 3, 4 or 5",
    "'Converted by FORMWRIGHT          (Written by: Aldenmark)",
    kFormwrightHeaderKeys,
    0,
    0,
};

constexpr EditionData kTinwright{
    "tinwright",
    "Tinwright Primer Edition",
    "'Converted by TINWRIGHT           (Written by: Aldenmark)",
    kTinwrightHeaderKeys,
    4,
    16,
};

}  // namespace

const EditionData& EditionDataFor(Edition edition) { return edition == Edition::Tinwright ? kTinwright : kFormwright; }

std::string_view EditionName(Edition edition) { return EditionDataFor(edition).name; }

}  // namespace converter
