#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "rvxmod/link/commands.h"
#include "rvxmod/link/tool_link.h"

namespace rvxmod::memory {

using Line = std::array<std::uint8_t, link::kLineBytes>;
using Block = std::vector<std::uint8_t>;  // 8192 bytes

// Every caller of a line or block read tries a second time at once when the first fails; these
// do that and give the bytes, or nothing after two failures. The caller shows its own message.
std::optional<Line> readLineTwice(link::ToolLink& link, const link::MemoryAddress& address);
std::optional<Block> readBlockTwice(link::ToolLink& link, const link::MemoryAddress& address);

}  // namespace rvxmod::memory
