#pragma once

// The library's public enumerations, as its type library declares them.
// Scoped, because RegionHow and RegionTransparentHow share member names; a
// stored value outside the members is kept as it is (no range check).
// Included by the type library's generated header, inside its extern "C".
#include <cstdint>

namespace regions {

enum class RegionHow : std::int32_t { rnEllipse = 0, rnBlock = 1, rnBlockRounded = 2, rnPolygon = 3 };

enum class RegionWhat : std::int32_t { rOR = 0, rAND = 1, rXOR = 2, rDIFF = 3, rCOPY = 4 };

enum class RegionTransparentHow : std::int32_t { rnEllipse = 0, rnBlock = 1, rnBlockRounded = 2 };

enum class RegionWhatTransparent : std::int32_t { rwAND = 0, rwOR = 1, rwXOR = 2, rwDIFF = 3, rwCOPY = 4 };

}  // namespace regions
