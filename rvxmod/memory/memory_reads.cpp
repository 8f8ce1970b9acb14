#include "rvxmod/memory/memory_reads.h"

#include <algorithm>

#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {
constexpr int kReadAttempts = 2;
}  // namespace

std::optional<Line> readLineTwice(link::ToolLink& link, const link::MemoryAddress& address) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (!link::ReadLine(link, address)) continue;
        Line line{};
        std::transform(link.lineBuffer().begin(), link.lineBuffer().begin() + line.size(),
                       line.begin(),
                       [](std::int32_t byte) { return static_cast<std::uint8_t>(byte); });
        return line;
    }
    return std::nullopt;
}

std::optional<Block> readBlockTwice(link::ToolLink& link, const link::MemoryAddress& address) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (!link::ReadBlock(link, address)) continue;
        Block block(geometry::kBlockSize);
        std::transform(link.lineBuffer().begin(), link.lineBuffer().begin() + geometry::kBlockSize,
                       block.begin(),
                       [](std::int32_t byte) { return static_cast<std::uint8_t>(byte); });
        return block;
    }
    return std::nullopt;
}

}  // namespace rvxmod::memory
