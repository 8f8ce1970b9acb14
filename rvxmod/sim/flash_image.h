#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <vector>

#include "common/result.h"
#include "rvxmod/sim/scenario.h"

namespace rvxmod::sim {

// A place in flash as the memory commands name it (chip as an index, not one-hot).
struct FlashAddress {
    int chip = 0;
    int sector = 0;
    int block = 0;
    int line = 0;
};

// The memory module's flash: up to eight chips of 32, 64 or 128 megabits, 256 blocks of 8192
// bytes per sector. Erased bytes read 0xFF; writing can only clear bits; erasing works on groups
// of eight blocks. Only blocks that were written are stored.
class FlashImage {
public:
    static constexpr int kBlockBytes = 8192;
    static constexpr int kLineBytes = 64;
    static constexpr int kLinesPerBlock = kBlockBytes / kLineBytes;
    static constexpr int kBlocksPerSector = 256;
    static constexpr int kEraseGroup = 8;

    explicit FlashImage(const std::array<std::uint8_t, kChipSlots>& chipSizes = {64});

    const std::array<std::uint8_t, kChipSlots>& sizeCodes() const { return sizeCodes_; }
    // Sectors of a chip slot: 2, 4 or 8 for 32, 64 or 128 megabits; 0 for an empty slot.
    int sectorsOf(int chip) const;
    bool contains(const FlashAddress& address) const;

    std::optional<std::vector<std::uint8_t>> readBlock(const FlashAddress& address) const;
    std::optional<std::vector<std::uint8_t>> readLine(const FlashAddress& address) const;
    bool writeLine(const FlashAddress& address, std::span<const std::uint8_t> bytes);
    // Erases the group of eight blocks that holds address.block.
    bool eraseGroup(const FlashAddress& address);
    // Erases every block; bad blocks stay bad.
    void eraseAll() { written_.clear(); }

    // A bad block fails as flash does: it reads back its factory mark (all 0x00), a write does
    // not take and an erase leaves it as it is. The command is still acknowledged, as the
    // memory module does not check its flash.
    void markBad(const FlashAddress& address);
    bool isBad(const FlashAddress& address) const;

    // Writes every block of the present chips, in the order loadRaw reads them; the file is
    // replaced only once it is complete.
    rvx::Status saveRaw(const std::filesystem::path& path) const;

    // Fills the memory from a raw dump: blocks in chip, sector, block order from chip 0.
    rvx::Status loadRaw(const std::filesystem::path& path);

private:
    int linearBlock(const FlashAddress& address) const;

    std::array<std::uint8_t, kChipSlots> sizeCodes_;
    std::map<int, std::vector<std::uint8_t>> written_;
    std::set<int> bad_;
};

}  // namespace rvxmod::sim
