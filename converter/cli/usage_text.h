#pragma once

#include <string>

namespace converter::cli {

std::string UsageText();
std::string VersionText();

}  // namespace converter::cli
