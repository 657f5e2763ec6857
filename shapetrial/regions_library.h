#pragma once

#include <string>

namespace shapetrial {

// Whether both region controls can be created here, as the forms create
// them: the library's type information is found (registered, or through the
// program's manifest with Regions.ocx beside the program) and each class
// hands out a class object. Needs COM started on this thread.
bool RegionControlsAvailable();

// What the user reads instead of one error 429 per control of the form: where
// the library must be and how to register it.
std::string MissingLibraryMessage();

}  // namespace shapetrial
