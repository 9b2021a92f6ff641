// What the fuzz targets share: a broken invariant ends the run as a finding.
#pragma once

#include <cstdlib>

namespace velorith::fuzz {

inline void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace velorith::fuzz
