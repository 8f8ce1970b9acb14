#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_map.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

inline constexpr std::uint8_t kTablePresentMark = 0x88;
inline constexpr std::size_t kSectorBitmapBytes = 32;  // 256 blocks, one bit each

// The program's copy of the bad-block table: one entry per block at its linear number.
class BadBlockMap {
public:
    BadBlockMap() : bad_(kMapBlocks, 0) {}

    void clear() { std::fill(bad_.begin(), bad_.end(), 0); }
    bool isBad(int chip, int sector, int block) const {
        return bad_[static_cast<std::size_t>(linearBlockNumber(chip, sector, block))] != 0;
    }
    void setBad(int chip, int sector, int block, bool bad);
    // Bit b of byte k stands for block k * 8 + b; a set bit is a good block.
    void setSector(int chip, int sector, std::span<const std::uint8_t> bitmap);

private:
    std::vector<std::uint8_t> bad_;
};

// Table line of a sector's bitmap.
constexpr int tableLineOf(int chip, int sector) {
    return 1 + chip * kSectorSlots + sector;
}

// Clears the map and fills it from the table in block 0 for every present chip and sector. An
// unreadable line shows "Could not read Bad Block table." and stops the reading.
bool getBBT(link::ToolLink& link, const MemoryObj& memory, BadBlockMap& map, rvx::UserPort& user);

// The Config page memo text of the map: chip by chip, sector lines of "B" and "|", the share of
// bad blocks, and the warning about a bad reserved block.
std::vector<std::string> showBBT(const MemoryObj& memory, const BadBlockMap& map);

// "Read BB Table": checks that the tool holds a table and shows the map as getBBT read it;
// nothing when there is no memory module, the line cannot be read or no table is there.
std::vector<std::string> readBBTable(link::ToolLink& link, const ConnectedToolString& toolString,
                                     const BadBlockMap& map, rvx::UserPort& user);

}  // namespace rvxmod::memory
