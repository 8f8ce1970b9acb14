#include "rvxmod/memory/supervisor_reads.h"

#include "common/text_catalogue.h"
#include "rvxmod/link/monitor_text.h"
#include "rvxmod/memory/job_list.h"
#include "rvxmod/memory/memory_map.h"
#include "rvxmod/memory/memory_reads.h"
#include "rvxmod/memory/memory_size.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

constexpr int kSoundClick = 0;

bool insideGeometry(const MemoryObj& memory, const link::MemoryAddress& address) {
    if (address.chip < 0 || address.chip >= geometry::kMaxChips) return false;
    const ChipInfo& chip = memory.Chips[static_cast<std::size_t>(address.chip)];
    return isChipPresent(chip) && address.sector >= 0 && address.sector < chip.sectors &&
           address.block >= 0 && address.block < chip.blocksPerSector && address.line >= 0 &&
           address.line < kLinesPerBlock;
}

std::string readFailed() {
    return rvx::trText("Memory", "Read failed, reset tool and check communications");
}

template <class Read>
std::optional<std::string> readForMemo(const ConnectedToolString& toolString,
                                       const link::MemoryAddress& address, rvx::UserPort& user,
                                       Read read) {
    user.playSound(kSoundClick);
    if (!memoryReadable(toolString, user) || !insideGeometry(toolString.Memory, address)) {
        return std::nullopt;
    }
    const auto bytes = read();
    return bytes ? link::receivedDataLine(*bytes) : readFailed();
}

}  // namespace

std::optional<std::string> readBlockForMemo(link::ToolLink& link,
                                            const ConnectedToolString& toolString,
                                            const link::MemoryAddress& address,
                                            rvx::UserPort& user) {
    const link::MemoryAddress block{address.chip, address.sector, address.block, 0};
    return readForMemo(toolString, block, user, [&] { return readBlockTwice(link, block); });
}

std::optional<std::string> readLineForMemo(link::ToolLink& link,
                                           const ConnectedToolString& toolString,
                                           const link::MemoryAddress& address,
                                           rvx::UserPort& user) {
    return readForMemo(toolString, address, user, [&] { return readLineTwice(link, address); });
}

}  // namespace rvxmod::memory
