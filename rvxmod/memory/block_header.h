#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace rvxmod::memory {

// A tool entry of a block header: whose samples the block's records hold.
struct HeaderTool {
    std::uint32_t type = 0;
    std::int32_t serialNumber = 0;

    bool operator==(const HeaderTool&) const = default;
};

inline constexpr std::size_t kHeaderToolsOffset = 16;
inline constexpr std::size_t kHeaderToolBytes = 3;  // type, serial high, serial low
inline constexpr std::size_t kMaxHeaderTools = 16;

// The tool entries from byte 16 until a 0xFF type byte or the sixteenth entry, in header order.
std::vector<HeaderTool> headerTools(std::span<const std::uint8_t> header);

// Byte 0 marks a recorded block and bytes 5..15 are all erased.
bool isJobStartHeader(std::span<const std::uint8_t> header);
// Bytes 0..5 all erased: the end of the recorded data.
bool isErasedHeader(std::span<const std::uint8_t> header);

}  // namespace rvxmod::memory
