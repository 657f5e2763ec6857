#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace converter::shell {

// The common open-file dialog. fileSpec is the initial file-name text on entry
// and the dialog's file-name text on return (also when cancelled); flags
// comes back as the dialog left it. The filter's parts are separated by "|";
// an empty initial directory means the current one. True when a file was chosen.
bool ChooseFormFile(HWND owner, std::string_view title, std::string& fileSpec, std::string_view initialDirectory,
                    std::string_view filter, std::string_view defaultExtension, DWORD& flags);

}  // namespace converter::shell
