#pragma once

#include <windows.h>

#include <string>

namespace host::testing {

// Writes what the screen shows of the window (frame included) to a 24-bit
// BMP file; false when the window or the file cannot be used.
bool CaptureWindowToBmp(HWND window, const std::string& path);

}  // namespace host::testing
