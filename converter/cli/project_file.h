#pragma once

#include <string>
#include <vector>

namespace converter::cli {

// The form files a Visual Basic project lists, in the project's order: the
// "Form=" lines of a .vbp, or the lines naming .frm files of a version-3 .mak.
// Each path is the project file's folder joined with the listed path, whose
// backslashes become this platform's separator. Throws FileError when the
// project file cannot be read.
std::vector<std::string> ListProjectForms(const std::string& projectPath);

// A listed form as Windows finds it, where case does not matter: the path
// itself when it exists, else the one file whose path matches it component by
// component without regard to case. Throws FileError when no file or more
// than one matches.
std::string FindListedForm(const std::string& listedPath);

}  // namespace converter::cli
