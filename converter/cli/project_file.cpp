#include "converter/cli/project_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "converter/core/form_file.h"

namespace converter::cli {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return Trim(text.substr(1, text.size() - 2));
  return text;
}

// A .vbp line "Form=path"; the key is matched without regard to case.
std::string_view VbpFormEntry(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos || !EqualsIgnoringCase(Trim(line.substr(0, equals)), "Form")) return {};
  return Unquote(Trim(line.substr(equals + 1)));
}

// A .mak line that names a form file; modules, custom controls and settings
// lines are passed over.
std::string_view MakFormEntry(std::string_view line) {
  const std::string_view entry = Unquote(Trim(line));
  return EndsWithIgnoringCase(entry, ".frm") ? entry : std::string_view{};
}

std::string ResolveBesideProject(const std::filesystem::path& projectFolder, std::string_view listedPath) {
  std::string portable(listedPath);
  std::ranges::replace(portable, '\\', '/');
  return (projectFolder / std::filesystem::path(portable).make_preferred()).string();
}

std::vector<std::string> ListedFormPaths(std::string_view projectText, bool makeStyle) {
  std::vector<std::string> listed;
  while (!projectText.empty()) {
    const auto lineEnd = projectText.find('\n');
    const std::string_view line = projectText.substr(0, lineEnd);
    projectText.remove_prefix(lineEnd == std::string_view::npos ? projectText.size() : lineEnd + 1);
    const std::string_view entry = makeStyle ? MakFormEntry(line) : VbpFormEntry(line);
    if (!entry.empty()) listed.emplace_back(entry);
  }
  return listed;
}

}  // namespace

std::vector<std::string> ListProjectForms(const std::string& projectPath) {
  const bool makeStyle = EndsWithIgnoringCase(projectPath, ".mak");
  const std::filesystem::path projectFolder = std::filesystem::path(projectPath).parent_path();
  std::vector<std::string> forms;
  for (const std::string& listed : ListedFormPaths(ReadFormFile(projectPath), makeStyle)) {
    forms.push_back(ResolveBesideProject(projectFolder, listed));
  }
  return forms;
}

}  // namespace converter::cli
