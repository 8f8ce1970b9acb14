#pragma once

#include <optional>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/bad_block_map.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// The memory scan: walks the recorded blocks from block 8 of chip 0, sector 0 and rebuilds
// memory.Jobs from their headers. Gives the memory usage in percent (where the recorded data
// ends), or nothing when a header could not be read twice.
std::optional<int> queryMemModule_Jobs(link::ToolLink& link, MemoryObj& memory,
                                       const BadBlockMap& badBlocks, rvx::UserPort& user);

}  // namespace rvxmod::memory
