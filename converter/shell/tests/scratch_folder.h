#pragma once

#include <string>
#include <string_view>

namespace converter::shell::testing {

// A fresh folder under the Windows temporary folder, removed with everything
// in it when the test ends. Paths are Windows paths, as the file dialog shows them.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string PathOf(std::string_view fileName) const;
  std::string Write(std::string_view fileName, std::string_view bytes) const;
  std::string MakeFolder(std::string_view folderName) const;

 private:
  std::string path_;
};

std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);

}  // namespace converter::shell::testing
