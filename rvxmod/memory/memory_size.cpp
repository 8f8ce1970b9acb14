#include "rvxmod/memory/memory_size.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

ChipInfo chipInfoOf(int sizeCode) {
    switch (sizeCode) {
        case 32:
            return {sizeCode, 2, geometry::kBlocksPerSector};
        case 64:
            return {sizeCode, 4, geometry::kBlocksPerSector};
        case 128:
            return {sizeCode, 8, geometry::kBlocksPerSector};
        default:
            return {sizeCode, 0, 0};
    }
}

bool isChipPresent(const ChipInfo& chip) {
    return chip.sectors > 0 && chip.blocksPerSector > 0;
}

std::optional<SpinLimits> queryMemModule_Size(link::ToolLink& link, MemoryObj& memory,
                                              rvx::UserPort& user) {
    memory.Chips.fill(chipInfoOf(0));
    if (!link::send_getMemorySize(link)) {
        user.showError(rvx::trText("Memory", "Communications error. Please re-connect"));
        return std::nullopt;
    }
    const auto sizes = link.receiver().payload();
    int mostSectors = 0;
    int mostBlocks = 0;
    for (std::size_t chip = 0; chip < memory.Chips.size(); ++chip) {
        memory.Chips[chip] = chipInfoOf(chip < sizes.size() ? sizes[chip] : 0);
        mostSectors = std::max(mostSectors, memory.Chips[chip].sectors);
        mostBlocks = std::max(mostBlocks, memory.Chips[chip].blocksPerSector);
    }
    return SpinLimits{mostSectors - 1, mostBlocks - 1};
}

}  // namespace rvxmod::memory
