#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/com/variant.h"
#include "host/runtime/numeric.h"

namespace regions {

// The library's lists are indexed with 16-bit integers: an entry that would
// make one longer is refused.
inline constexpr std::size_t kMaxListEntries = 32767;

// Removes every entry (index missing) or the one at `index` when
// 0 <= index <= last, compared on its value; any other index changes nothing.
// Entries own what they hold, so a removed one is released once, here.
// A non-numeric index raises error 13 and changes nothing.
template <typename Entry>
void RemoveEntries(std::vector<Entry>& entries, const host::Variant& index) {
  if (index.IsMissing()) {
    entries.clear();
    return;
  }
  const double position = index.ToDouble();
  if (entries.empty() || position < 0 || position > static_cast<double>(entries.size() - 1)) return;
  entries.erase(entries.begin() + host::CInt(position));
}

}  // namespace regions
