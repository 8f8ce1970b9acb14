#pragma once

#include <cstdint>

#include "rvxmod/model/memory_geometry.h"

// Where things live in the memory module's flash, and the numbering shared by the bad-block map
// and the memory-usage figures.
namespace rvxmod::memory {

inline constexpr int kLinesPerBlock = geometry::kBlockSize / geometry::kLineSize;  // 128
inline constexpr int kEraseGroupBlocks = 8;
inline constexpr int kSectorSlots = 8;  // sector rows per chip in the bad-block table and map
inline constexpr int kBlocksPerChipSlot = kSectorSlots * geometry::kBlocksPerSector;  // 2048
inline constexpr int kMapBlocks = geometry::kMaxChips * kBlocksPerChipSlot;           // 16384

// Block 0 of chip 0, sector 0: the bad-block table in lines 0..64, the sampling program after.
inline constexpr int kTableBlock = 0;
inline constexpr int kBadBlockTableLines = 65;
// Blocks 2..7 of chip 0, sector 0: one calibration file each.
inline constexpr int kFirstCalSlotBlock = 2;
inline constexpr int kCalSlotCount = 6;
// Recorded jobs start after the reserved group of chip 0, sector 0.
inline constexpr int kFirstJobBlock = 8;

inline constexpr std::uint8_t kErasedByte = 0xFF;
inline constexpr std::uint8_t kRecordedMark = 0x37;

// chip x 2048 + sector x 256 + block.
constexpr int linearBlockNumber(int chip, int sector, int block) {
    return chip * kBlocksPerChipSlot + sector * geometry::kBlocksPerSector + block;
}

// Blocks 0..7 of chip 0, sector 0 hold the tables, program and calibration files.
constexpr bool isReservedBlock(int chip, int sector, int block) {
    return linearBlockNumber(chip, sector, block) < kFirstJobBlock;
}

}  // namespace rvxmod::memory
