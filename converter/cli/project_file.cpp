#include "converter/cli/project_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "converter/core/form_file.h"

namespace converter::cli {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
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

// The entries of folder whose names equal name without regard to case; the
// exact name alone when it exists.
std::vector<std::filesystem::path> MatchesIn(const std::filesystem::path& folder, const std::filesystem::path& name) {
  const std::filesystem::path exact = folder / name;
  std::error_code error;
  if (name == "." || name == ".." || std::filesystem::exists(exact, error)) return {exact};
  std::vector<std::filesystem::path> matches;
  const std::string wanted = name.string();
  // Not a folder, or unreadable: nothing in it matches.
  for (std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::filesystem::path found = entry->path().filename();
    if (EqualsIgnoringCase(found.string(), wanted)) matches.push_back(folder / found);
  }
  return matches;
}

}  // namespace

std::string FindListedForm(const std::string& listedPath) {
  const std::filesystem::path listed(listedPath);
  std::error_code error;
  if (std::filesystem::exists(listed, error)) return listedPath;
  std::vector<std::filesystem::path> candidates{listed.root_path()};
  for (const std::filesystem::path& component : listed.relative_path()) {
    std::vector<std::filesystem::path> next;
    for (const std::filesystem::path& folder : candidates) {
      for (std::filesystem::path& match : MatchesIn(folder, component)) next.push_back(std::move(match));
    }
    candidates = std::move(next);
  }
  if (candidates.size() == 1) return candidates.front().string();
  if (candidates.empty()) throw FileError("cannot open " + listedPath + ": no file matches it, even ignoring case");
  std::string names;
  for (const std::filesystem::path& candidate : candidates) names += (names.empty() ? "" : ", ") + candidate.string();
  throw FileError("cannot open " + listedPath + ": several files match it when case is ignored: " + names);
}

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
