#pragma once

#include <windows.h>

namespace host::testing {

// Two regions cover the same area (however each was built): their XOR is empty.
bool SameArea(HRGN a, HRGN b);

}  // namespace host::testing
