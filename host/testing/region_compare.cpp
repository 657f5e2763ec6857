#include "host/testing/region_compare.h"

#include "host/win32/unique_handle.h"

namespace host::testing {

bool SameArea(HRGN a, HRGN b) {
  const UniqueRgn difference(CreateRectRgn(0, 0, 0, 0));
  return CombineRgn(difference.get(), a, b, RGN_XOR) == NULLREGION;
}

}  // namespace host::testing
