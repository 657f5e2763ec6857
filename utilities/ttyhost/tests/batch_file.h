#pragma once

#include <windows.h>

#include <chrono>
#include <fstream>

#include "host/testing/message_loop.h"

namespace ttyhost::testing {

// A batch file in the current directory that leaves "ran.txt" when it runs;
// both files go when the object does.
class MarkingBatchFile {
 public:
  explicit MarkingBatchFile(const char* name) : name_(name) {
    DeleteFileA("ran.txt");
    std::ofstream(name_, std::ios::binary) << "@echo off\r\necho ran> ran.txt\r\n";
  }
  ~MarkingBatchFile() {
    Remove(name_);
    Remove("ran.txt");
  }
  MarkingBatchFile(const MarkingBatchFile&) = delete;
  MarkingBatchFile& operator=(const MarkingBatchFile&) = delete;

  bool WaitUntilRun() const {
    return host::testing::PumpUntil([] { return GetFileAttributesA("ran.txt") != INVALID_FILE_ATTRIBUTES; },
                                    std::chrono::milliseconds(10000));
  }

 private:
  // The batch's interpreter may still hold the files open for a moment, and
  // a file deleted while open only goes when it is closed.
  static void Remove(const char* path) {
    host::testing::PumpUntil(
        [path] {
          DeleteFileA(path);
          return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
        },
        std::chrono::milliseconds(5000));
  }

  const char* name_;
};

}  // namespace ttyhost::testing
