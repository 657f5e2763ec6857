#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "converter/cli/run_cli.h"

namespace converter::cli::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.
class TempFolder {
 public:
  TempFolder() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0;; ++attempt) {
      path_ = base / ("formwright-cli-test-" + std::to_string(counter_++) + "-" + std::to_string(attempt));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::filesystem::path operator/(const std::filesystem::path& relative) const { return path_ / relative; }
  const std::filesystem::path& path() const { return path_; }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliResult RunWith(const std::vector<std::string>& args,
                         std::optional<std::string_view> sourceDateEpoch = std::nullopt) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, sourceDateEpoch, out, err);
  return {status, out.str(), err.str()};
}

// A small form: a timer (an excluded class), a button and a label.
inline constexpr std::string_view kSampleForm =
    "VERSION 5.00\r\n"
    "Begin VB.Form Form1 \r\n"
    "   Caption         =   \"Sample\"\r\n"
    "   ClientHeight    =   3195\r\n"
    "   ClientWidth     =   4680\r\n"
    "   Begin VB.Timer Timer1 \r\n"
    "      Left            =   120\r\n"
    "      Top             =   120\r\n"
    "   End\r\n"
    "   Begin VB.CommandButton Command1 \r\n"
    "      Caption         =   \"OK\"\r\n"
    "      Height          =   495\r\n"
    "      Left            =   240\r\n"
    "      Top             =   2400\r\n"
    "      Width           =   1215\r\n"
    "   End\r\n"
    "   Begin VB.Label Label1 \r\n"
    "      Caption         =   \"Name:\"\r\n"
    "      Height          =   255\r\n"
    "      Left            =   240\r\n"
    "      Top             =   240\r\n"
    "      Width           =   1215\r\n"
    "   End\r\n"
    "End\r\n"
    "Attribute VB_Name = \"Form1\"\r\n";

}  // namespace converter::cli::testing
