#pragma once

#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

inline constexpr int kFullMemoryPercent = 100;

// Percentage of the memory before chip, sector, block, measured with chip 0's sector and block
// counts over all eight chip entries; nearest whole number, halves to even.
int calculateMemUsage(const MemoryObj& memory, int chip, int sector, int block);

}  // namespace rvxmod::memory
