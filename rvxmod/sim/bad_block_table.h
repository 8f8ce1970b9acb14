#pragma once

#include "rvxmod/sim/flash_image.h"

namespace rvxmod::sim {

// The memory module keeps its bad-block table in lines 0..64 of block 0 of chip 0, sector 0:
// line 0 starts with 0x88, line 1 + chip * 8 + sector holds that sector's bitmap (a set bit is a
// good block). Writes the table for the flash's bad blocks; the rest of block 0 is kept.
void writeBadBlockTable(FlashImage& flash);

// Marks bad every block the table in block 0 names, so a saved image comes back with its bad
// blocks. A flash without a table (or without chip 0) is left as it is.
void markBadBlocksFromTable(FlashImage& flash);

}  // namespace rvxmod::sim
