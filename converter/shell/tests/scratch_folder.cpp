#include "converter/shell/tests/scratch_folder.h"

#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace converter::shell::testing {
namespace {

std::string TemporaryFolder() {
  std::array<char, MAX_PATH + 1> folder{};
  const DWORD length = GetTempPathA(static_cast<DWORD>(folder.size()), folder.data());
  return std::string(folder.data(), length);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static int created = 0;
  path_ = TemporaryFolder() + "shell-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++created);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::PathOf(std::string_view fileName) const { return path_ + "\\" + std::string(fileName); }

std::string ScratchFolder::Write(std::string_view fileName, std::string_view bytes) const {
  std::string path = PathOf(fileName);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string ScratchFolder::MakeFolder(std::string_view folderName) const {
  std::string path = PathOf(folderName);
  std::filesystem::create_directory(path);
  return path;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace converter::shell::testing
