#include "rvxmod/sim/bad_block_table.h"

#include <algorithm>
#include <vector>

namespace rvxmod::sim {

namespace {

constexpr std::uint8_t kTableMark = 0x88;
constexpr int kTableLines = 65;
constexpr int kSectorRows = 8;

int tableLine(int chip, int sector) {
    return 1 + chip * kSectorRows + sector;
}

}  // namespace

void writeBadBlockTable(FlashImage& flash) {
    if (!flash.contains({0, 0, 0, 0})) return;
    std::vector<std::uint8_t> block = *flash.readBlock({0, 0, 0, 0});
    // Block 0 is rewritten whole: erased, then every line put back with the new table.
    std::fill(block.begin(), block.begin() + kTableLines * FlashImage::kLineBytes, 0xFF);
    block[0] = kTableMark;
    for (int chip = 0; chip < static_cast<int>(kChipSlots); ++chip) {
        for (int sector = 0; sector < flash.sectorsOf(chip); ++sector) {
            auto bitmap = block.begin() + tableLine(chip, sector) * FlashImage::kLineBytes;
            for (int b = 0; b < FlashImage::kBlocksPerSector; ++b) {
                if (flash.isBad({chip, sector, b, 0})) {
                    bitmap[b / 8] = static_cast<std::uint8_t>(bitmap[b / 8] & ~(1U << (b % 8)));
                }
            }
        }
    }
    std::vector<std::vector<std::uint8_t>> group;
    for (int b = 1; b < FlashImage::kEraseGroup; ++b)
        group.push_back(*flash.readBlock({0, 0, b, 0}));
    flash.eraseGroup({0, 0, 0, 0});
    group.insert(group.begin(), block);
    for (int b = 0; b < FlashImage::kEraseGroup; ++b) {
        for (int line = 0; line < FlashImage::kLinesPerBlock; ++line) {
            const auto first =
                group[static_cast<std::size_t>(b)].begin() + line * FlashImage::kLineBytes;
            flash.writeLine({0, 0, b, line},
                            std::vector<std::uint8_t>(first, first + FlashImage::kLineBytes));
        }
    }
}

void markBadBlocksFromTable(FlashImage& flash) {
    if (!flash.contains({0, 0, 0, 0})) return;
    const auto block = *flash.readBlock({0, 0, 0, 0});
    if (block[0] != kTableMark) return;
    for (int chip = 0; chip < static_cast<int>(kChipSlots); ++chip) {
        for (int sector = 0; sector < flash.sectorsOf(chip); ++sector) {
            const auto bitmap = block.begin() + tableLine(chip, sector) * FlashImage::kLineBytes;
            for (int b = 0; b < FlashImage::kBlocksPerSector; ++b) {
                if (((bitmap[b / 8] >> (b % 8)) & 1U) == 0) flash.markBad({chip, sector, b, 0});
            }
        }
    }
}

}  // namespace rvxmod::sim
