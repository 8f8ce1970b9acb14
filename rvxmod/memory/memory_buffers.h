#pragma once

#include "rvxmod/memory/bad_block_map.h"
#include "rvxmod/memory/block_group.h"
#include "rvxmod/memory/memory_size.h"

namespace rvxmod::memory {

// What the program keeps about the memory module between commands, from connect to shut-down.
struct MemoryBuffers {
    BadBlockMap badBlocks;
    BlockGroupBackup backup;
    KeepErasedList keepErased;
    SpinLimits limits;
    int usagePercent = 0;
};

}  // namespace rvxmod::memory
