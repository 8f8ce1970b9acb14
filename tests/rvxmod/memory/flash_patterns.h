#pragma once

#include <cstdint>
#include <vector>

#include "rvxmod/sim/flash_image.h"

namespace rvxmod::testing {

// Fills a block with bytes that differ from block to block and line to line (never a whole
// erased line), so any lost or misplaced line shows.
inline void fillBlock(sim::FlashImage& flash, const sim::FlashAddress& at, std::uint8_t seed) {
    for (int line = 0; line < sim::FlashImage::kLinesPerBlock; ++line) {
        std::vector<std::uint8_t> bytes(sim::FlashImage::kLineBytes);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<std::uint8_t>(seed * 31 + line * 7 + i);
        }
        flash.writeLine({at.chip, at.sector, at.block, line}, bytes);
    }
}

// Blocks 0..7 of chip 0, sector 0 as the tool keeps them: table, program and six cal slots.
inline void fillReservedGroup(sim::FlashImage& flash) {
    for (int block = 0; block < 8; ++block) {
        fillBlock(flash, {0, 0, block, 0}, static_cast<std::uint8_t>(block + 1));
    }
}

}  // namespace rvxmod::testing
