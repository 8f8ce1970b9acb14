#pragma once

#include <optional>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// Sectors and blocks of a chip with this size code: 32, 64 or 128 megabits give 2, 4 or 8
// sectors of 256 blocks; any other code is an absent chip (0 and 0).
ChipInfo chipInfoOf(int sizeCode);
bool isChipPresent(const ChipInfo& chip);

// Upper limits of the Config page's sector and block spin edits.
struct SpinLimits {
    int highestSector = 7;
    int highestBlock = 255;
};

// Sets the size code of all eight chips to 0, asks the memory module for its chip sizes and fills
// memory.Chips. Without an answer: "Communications error. Please re-connect" and nothing.
std::optional<SpinLimits> queryMemModule_Size(link::ToolLink& link, MemoryObj& memory,
                                              rvx::UserPort& user);

}  // namespace rvxmod::memory
