#pragma once

#include <cstdint>
#include <vector>

#include "rvxmod/sim/scenario.h"

namespace rvxmod::sim {

// The raw bytes of one live sample of a tool: counts that drift slowly with the sample number,
// high byte first, three bytes per channel, so a display shows something alive.
std::vector<std::uint8_t> liveSample(const SimTool& tool, std::uint32_t sampleNumber);

}  // namespace rvxmod::sim
