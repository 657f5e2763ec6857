#include "converter/shell/output_file.h"

#include <gtest/gtest.h>

#include <string>

#include "converter/core/form_file.h"
#include "converter/shell/tests/scratch_folder.h"

namespace converter::shell {
namespace {

using testing::ScratchFolder;

// Writes the first half and reports success, as a full disk does.
BOOL WINAPI ShortWrite(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written, LPOVERLAPPED overlapped) {
  return WriteFile(file, bytes, count / 2, written, overlapped);
}

// Writes nothing and fails with the system's reason.
BOOL WINAPI FailedWrite(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
  *written = 0;
  SetLastError(ERROR_WRITE_FAULT);
  return FALSE;
}

TEST(OutputFile, AWriteThatFallsShortRemovesThePartialFileAndSaysWhy) {
  for (const OutputFile::WriteFunction write : {&ShortWrite, &FailedWrite}) {
    ScratchFolder folder;
    const std::string path = folder.PathOf("Main.DDT");
    folder.Write("Main.DDT", "an older output");
    try {
      OutputFile output(path, "twelve bytes", write);
      ADD_FAILURE() << "reported as written";
    } catch (const FileError& error) {
      const std::string text = error.what();
      EXPECT_EQ(text.rfind("cannot write " + path + ": ", 0), 0u) << text;
      EXPECT_GT(text.size(), ("cannot write " + path + ": ").size()) << "the system's reason follows";
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "no partial file is left as if saved";
  }
}

}  // namespace
}  // namespace converter::shell
