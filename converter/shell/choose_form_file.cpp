#include "converter/shell/choose_form_file.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace converter::shell {
namespace {

constexpr size_t kPathBufferSize = 256;

std::string FilterForDialog(std::string_view filter) {
  std::string parts(filter);
  std::replace(parts.begin(), parts.end(), '|', '\0');
  parts.push_back('\0');
  return parts;
}

std::string CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::string directory(size, '\0');
  const DWORD length = GetCurrentDirectoryA(size, directory.data());
  directory.resize(length < size ? length : 0);
  return directory;
}

}  // namespace

bool ChooseFormFile(HWND owner, std::string_view title, std::string& fileSpec, std::string_view initialDirectory,
                    std::string_view filter, std::string_view defaultExtension, DWORD& flags) {
  const std::string filterParts = FilterForDialog(filter);
  const std::string directory = initialDirectory.empty() ? CurrentDirectory() : std::string(initialDirectory);
  const std::string titleText(title);
  const std::string extension(defaultExtension);

  std::array<char, kPathBufferSize> fileName{};
  std::copy_n(fileSpec.begin(), std::min(fileSpec.size(), fileName.size() - 1), fileName.begin());
  std::array<char, kPathBufferSize> fileTitle{};

  // The 76-byte structure of the original API, without the Windows 2000 tail.
  OPENFILENAMEA dialog{};
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterParts.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = static_cast<DWORD>(fileName.size());
  dialog.lpstrFileTitle = fileTitle.data();
  dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
  dialog.lpstrInitialDir = directory.c_str();
  dialog.lpstrTitle = titleText.empty() ? nullptr : titleText.c_str();
  dialog.Flags = flags;
  dialog.lpstrDefExt = extension.c_str();

  const bool chosen = GetOpenFileNameA(&dialog) != FALSE;
  fileSpec.assign(fileName.data(), strnlen(fileName.data(), fileName.size()));
  flags = dialog.Flags;
  return chosen;
}

}  // namespace converter::shell
