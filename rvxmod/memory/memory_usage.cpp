#include "rvxmod/memory/memory_usage.h"

#include <cmath>

#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

int calculateMemUsage(const MemoryObj& memory, int chip, int sector, int block) {
    const int sectors = memory.Chips[0].sectors;
    const int blocks = memory.Chips[0].blocksPerSector;
    if (sectors <= 0 || blocks <= 0) return 0;
    const double used = static_cast<double>(blocks) * (sector + chip * sectors) + block;
    const double total = static_cast<double>(geometry::kMaxChips) * sectors * blocks;
    return static_cast<int>(std::nearbyint(used / total * kFullMemoryPercent));
}

}  // namespace rvxmod::memory
