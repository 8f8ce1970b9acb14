#pragma once

#include <cstdint>
#include <vector>

#include "rvxmod/link/clock.h"

namespace rvxmod::sim {

// Bytes the tool string sends, `after` the request that caused them.
struct TimedBytes {
    link::Millis after{0};
    std::vector<std::uint8_t> bytes;
};

}  // namespace rvxmod::sim
